# A joint force with moments on a 3-DOF node.
# expect: FAIL line 7: load: has 6 values but node 1 has 3 DOFs
model basic -ndm 3 -ndf 3
node 1 0.0 0.0 0.0
model basic -ndm 3 -ndf 6
pattern Plain 1 Linear {
load 1 1.0 0.0 0.0 0.0 0.0 5.0
}
