# The brick names nD material 100, which is defined only after it.
# expect: FAIL line 13: element stdBrick: nDMaterial 100 (matTag) is not defined (it is defined later, at line 14)
model basic -ndm 3 -ndf 3
node 1 0.0 0.0 0.0
node 2 1000.0 0.0 0.0
node 3 1000.0 1000.0 0.0
node 4 0.0 1000.0 0.0
node 5 0.0 0.0 1000.0
node 6 1000.0 0.0 1000.0
node 7 1000.0 1000.0 1000.0
node 8 0.0 1000.0 1000.0
nDMaterial ElasticIsotropic 1 3.0E+04 0.2
element stdBrick 1 1 2 3 4 5 6 7 8 100
nDMaterial ElasticIsotropic 100 3.0E+04 0.2
