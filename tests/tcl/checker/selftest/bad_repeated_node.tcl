# Node 2 is written twice.
# expect: FAIL line 6: node: node 2 is already defined at line 5
model basic -ndm 3 -ndf 6
node 1 0.0 0.0 0.0
node 2 0.0 0.0 3000.0
node 2 6000.0 0.0 3000.0
