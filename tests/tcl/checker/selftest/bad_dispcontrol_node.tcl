# The displacement-controlled analysis names node 5, which does not exist.
# expect: FAIL line 12: integrator DisplacementControl: node 5 (nodeTag) is not defined
model basic -ndm 3 -ndf 6
node 1 0.0 0.0 0.0
node 2 0.0 0.0 3000.0
fix 1 1 1 1 1 1 1
geomTransf Linear 1 1.0 0.0 0.0
element elasticBeamColumn 1 1 2 1.0E+05 2.5E+04 1.0E+04 1.0E+09 1.0E+09 1.0E+09 1
pattern Plain 1 Linear {
load 2 1.0E+03 0.0 0.0 0.0 0.0 0.0
}
integrator DisplacementControl 5 1 0.1
