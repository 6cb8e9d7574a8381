# The brick repeats the tag of the column's element.
# expect: FAIL line 20: element stdBrick: element 1 is already defined at line 17
model basic -ndm 3 -ndf 6
node 9 0.0 0.0 1000.0
node 10 0.0 0.0 4000.0
model basic -ndm 3 -ndf 3
node 1 0.0 0.0 0.0
node 2 1000.0 0.0 0.0
node 3 1000.0 1000.0 0.0
node 4 0.0 1000.0 0.0
node 5 0.0 0.0 1000.0
node 6 1000.0 0.0 1000.0
node 7 1000.0 1000.0 1000.0
node 8 0.0 1000.0 1000.0
model basic -ndm 3 -ndf 6
geomTransf Linear 1 1.0 0.0 0.0
element elasticBeamColumn 1 9 10 1.0E+05 2.5E+04 1.0E+04 1.0E+09 1.0E+09 1.0E+09 1
model basic -ndm 3 -ndf 3
nDMaterial ElasticIsotropic 1 3.0E+04 0.2
element stdBrick 1 1 2 3 4 5 6 7 8 1
