# Node 3 belongs to no element, fix or constraint: the static analysis is singular.
# expect: FAIL line 6: node: node 3 has no stiffness in DOF 1 2 3 4 5 6 (no element, fix or constraint): the stiffness matrix is singular
model basic -ndm 3 -ndf 6
node 1 0.0 0.0 0.0
node 2 0.0 0.0 3000.0
node 3 6000.0 0.0 3000.0
fix 1 1 1 1 1 1 1
geomTransf Linear 1 1.0 0.0 0.0
element elasticBeamColumn 1 1 2 1.0E+05 2.5E+04 1.0E+04 1.0E+09 1.0E+09 1.0E+09 1
pattern Plain 1 Linear {
load 2 1.0E+03 0.0 0.0 0.0 0.0 0.0
}
constraints Plain
numberer Plain
system UmfPack
test EnergyIncr 1.0e-6 200
algorithm Newton
integrator LoadControl 0.1
analysis Static
analyze 10
