# A brick on nodes of the 6-DOF model.
# expect: FAIL line 14: element stdBrick: node 1 has 6 DOFs; stdBrick needs 3
model basic -ndm 3 -ndf 6
node 1 0.0 0.0 0.0
node 2 1000.0 0.0 0.0
node 3 1000.0 1000.0 0.0
node 4 0.0 1000.0 0.0
node 5 0.0 0.0 1000.0
node 6 1000.0 0.0 1000.0
node 7 1000.0 1000.0 1000.0
node 8 0.0 1000.0 1000.0
model basic -ndm 3 -ndf 3
nDMaterial ElasticIsotropic 1 3.0E+04 0.2
element stdBrick 1 1 2 3 4 5 6 7 8 1
