# The column runs along Z and its transformation's vecxz is Z too.
# expect: FAIL line 7: element elasticBeamColumn: vecxz of geomTransf 1 is parallel to the axis of element 1
model basic -ndm 3 -ndf 6
node 1 0.0 0.0 0.0
node 2 0.0 0.0 3000.0
geomTransf PDelta 1 0.0 0.0 1.0
element elasticBeamColumn 1 1 2 1.0E+05 2.5E+04 1.0E+04 1.0E+09 1.0E+09 1.0E+09 1
