# An element names node 3, which no line defines.
# expect: FAIL line 7: element elasticBeamColumn: node 3 (jNode) is not defined
model basic -ndm 3 -ndf 6
node 1 0.0 0.0 0.0
node 2 0.0 0.0 3000.0
geomTransf Linear 1 1.0 0.0 0.0
element elasticBeamColumn 1 1 3 1.0E+05 2.5E+04 1.0E+04 1.0E+09 1.0E+09 1.0E+09 1
