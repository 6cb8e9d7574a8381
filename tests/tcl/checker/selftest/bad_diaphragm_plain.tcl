# A rigid diaphragm needs the Transformation constraint handler.
# expect: FAIL line 18: eigen: constraints Plain cannot enforce rigidDiaphragm (line 16); use Transformation
model basic -ndm 3 -ndf 6
node 1 0.0 0.0 0.0
node 2 6000.0 0.0 0.0
node 3 0.0 0.0 3000.0
node 4 6000.0 0.0 3000.0
node 5 3000.0 0.0 3000.0
fix 1 1 1 1 1 1 1
fix 2 1 1 1 1 1 1
fix 5 0 0 1 1 1 0
mass 5 1.0 1.0 0.0 0.0 0.0 1.0
geomTransf Linear 1 1.0 0.0 0.0
element elasticBeamColumn 1 1 3 1.0E+05 2.5E+04 1.0E+04 1.0E+09 1.0E+09 1.0E+09 1
element elasticBeamColumn 2 2 4 1.0E+05 2.5E+04 1.0E+04 1.0E+09 1.0E+09 1.0E+09 1
rigidDiaphragm 3 5 3 4
constraints Plain
eigen 2
