# The shell's nodes are in SAP2000's order (1 2 on one edge, 3 4 on the opposite edge),
# not round the quadrilateral.
# expect: FAIL line 10: element ShellMITC4: nodes 1 2 3 4 of element 1 do not go round the quadrilateral (crossed, concave or degenerate)
model basic -ndm 3 -ndf 6
node 1 0.0 0.0 0.0
node 2 1000.0 0.0 0.0
node 3 0.0 1000.0 0.0
node 4 1000.0 1000.0 0.0
section ElasticMembranePlateSection 701 2.5E+04 0.2 200.0 0.0
element ShellMITC4 1 1 2 3 4 701
