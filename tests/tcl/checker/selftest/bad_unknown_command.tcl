# A command OpenSees does not have.
# expect: FAIL line 5: nodeMass: unknown command
model basic -ndm 3 -ndf 6
node 1 0.0 0.0 0.0
nodeMass 1 1.0 1.0 1.0 0.0 0.0 0.0
