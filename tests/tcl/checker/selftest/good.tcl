# A column on a fibre section, standing on a brick, with an eigen analysis, Rayleigh damping,
# the periods file and a static analysis: it must pass. The brick's nodes have 3 DOFs; its
# corner under the column is a twin of the column's base, tied to it by equalDOF; the fix,
# mass and load lines of 3-DOF nodes give three values while the 6-DOF model is in force, as
# OpenSees allows. One fibre names material 9, which no line defines: that is the one note
# expected.
wipe
puts "System"
model basic -ndm 3 -ndf 6
puts "node"
node 1 0.000E+000 0.000E+000 0.000E+000
node 2 0.000E+000 0.000E+000 3.000E+003
model basic -ndm 3 -ndf 3
node 11 0.000E+000 0.000E+000 -1.000E+003
node 12 1.000E+003 0.000E+000 -1.000E+003
node 13 1.000E+003 1.000E+003 -1.000E+003
node 14 0.000E+000 1.000E+003 -1.000E+003
node 16 1.000E+003 0.000E+000 0.000E+000
node 17 1.000E+003 1.000E+003 0.000E+000
node 18 0.000E+000 1.000E+003 0.000E+000
node 15 0.000E+000 0.000E+000 0.000E+000
model basic -ndm 3 -ndf 6
puts "mass"
mass 2 1.000E+000 1.000E+000 1.000E+000 0.000E+000 0.000E+000 0.000E+000
mass 17 2.000E+000 2.000E+000 2.000E+000
puts "restraint"
fix 1 1 1 1 1 1 1;
fix 11 1 1 1;
fix 12 1 1 1;
fix 13 1 1 1;
fix 14 1 1 1;
puts "Equal DOF"
equalDOF 1 15 1 2 3
puts "material"
uniaxialMaterial Elastic 1 2.500E+004
puts "section"
section Fiber 1 -GJ 1.000E+012 {
    fiber -1.000E+002 -1.000E+002 2.000E+004 1
    fiber  1.000E+002 -1.000E+002 2.000E+004 1
    fiber  1.000E+002  1.000E+002 2.000E+004 1
    fiber -1.000E+002  1.000E+002 2.000E+004 9
}
puts "transformation"
geomTransf Linear 1 1.000 0.000 0.000
puts "element"
element nonlinearBeamColumn 1 1 2 3 1 1
puts "SOLID element"
model basic -ndm 3 -ndf 3
nDMaterial ElasticIsotropic 2 3.000E+004 2.000E-001
element stdBrick 2 11 12 13 14 15 16 17 18 2
model basic -ndm 3 -ndf 6
puts "recorder"
recorder Node -file node0.out -time -nodeRange 1 2 -dof 1 2 3 disp
recorder Element -file ele0.out -time -eleRange 1 1 section 3 deformation
puts "loading"
## Load Case = DEAD
pattern Plain 1 Linear {
load 2 0.000E+000 0.000E+000 -1.000E+004 0.000E+000 0.000E+000 0.000E+000
load 18 0.000E+000 0.000E+000 -1.000E+003
}
puts "eigen"
set nEigenI 1;
set nEigenJ 2;
set lambdaN [eigen [expr $nEigenJ]];
set lambdaI [lindex $lambdaN [expr $nEigenI-1]];
set lambdaJ [lindex $lambdaN [expr $nEigenJ-1]];
set omegaI [expr pow($lambdaI,0.5)];
set omegaJ [expr pow($lambdaJ,0.5)];
set alphaM [expr 0.05*(2*$omegaI*$omegaJ)/($omegaI+$omegaJ)];
set betaKcurr [expr 2.*0.05/($omegaI+$omegaJ)];
rayleigh $alphaM $betaKcurr 0 0
set Periods [open "Periods.txt" w]
foreach lam $lambdaN {
    puts $Periods " [expr 2*3.14159265/sqrt($lam)]"
}
close $Periods
puts "analysis"
constraints Transformation
numberer Plain
system UmfPack
test EnergyIncr 1.0e-6 200
algorithm Newton
integrator LoadControl 1.000E-002
analysis Static
analyze 100
