# The recorder's node range runs past the last node.
# expect: FAIL line 6: recorder Node: 2 of its 4 nodes are not defined: 3 4
model basic -ndm 3 -ndf 6
node 1 0.0 0.0 0.0
node 2 0.0 0.0 3000.0
recorder Node -file node0.out -time -nodeRange 1 4 -dof 1 2 3 disp
