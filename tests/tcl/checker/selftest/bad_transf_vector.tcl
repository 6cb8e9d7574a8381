# A 3D transformation needs the three components of vecxz.
# expect: FAIL line 4: geomTransf Linear: too few arguments
model basic -ndm 3 -ndf 6
geomTransf Linear 1 1.0 0.0
