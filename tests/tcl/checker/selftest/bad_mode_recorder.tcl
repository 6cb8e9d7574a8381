# The mode-shape recorder asks for mode 3 but eigen computes 2 modes.
# expect: FAIL line 10: recorder Node: records mode 3 but eigen computes only 2 modes
model basic -ndm 3 -ndf 6
node 1 0.0 0.0 0.0
node 2 0.0 0.0 3000.0
fix 1 1 1 1 1 1 1
mass 2 1.0 1.0 1.0 0.0 0.0 0.0
geomTransf Linear 1 1.0 0.0 0.0
element elasticBeamColumn 1 1 2 1.0E+05 2.5E+04 1.0E+04 1.0E+09 1.0E+09 1.0E+09 1
recorder Node -file mode3.out -nodeRange 1 2 -dof 1 2 3 "eigen 3"
set lambdaN [eigen 2]
