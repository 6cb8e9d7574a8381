# mass gives three values for a 6-DOF node.
# expect: FAIL line 5: mass: has 3 values but node 1 has 6 DOFs
model basic -ndm 3 -ndf 6
node 1 0.0 0.0 0.0
mass 1 1.0 1.0 1.0
