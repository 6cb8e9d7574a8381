# The element names fibre section 1 before the section is defined.
# expect: FAIL line 8: element nonlinearBeamColumn: section 1 (secTag) is not defined (it is defined later, at line 9)
model basic -ndm 3 -ndf 6
node 1 0.0 0.0 0.0
node 2 0.0 0.0 3000.0
uniaxialMaterial Elastic 1 2.5E+04
geomTransf Linear 1 1.0 0.0 0.0
element nonlinearBeamColumn 1 1 2 3 1 1
section Fiber 1 -GJ 1.0E+12 {
fiber 0.0 0.0 1.0E+04 1
}
