# mass gives three values in a 6-DOF model.
# expect: FAIL line 5: mass: has 3 values but the model has ndf 6
model basic -ndm 3 -ndf 6
node 1 0.0 0.0 0.0
mass 1 1.0 1.0 1.0
