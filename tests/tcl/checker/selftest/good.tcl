# A column on a fibre section with an eigen analysis, Rayleigh damping, the periods file and
# a static analysis: it must pass. One fibre names material 9, which no line defines: that
# is the one note expected.
wipe
puts "System"
model basic -ndm 3 -ndf 6
puts "node"
node 1 0.000E+000 0.000E+000 0.000E+000
node 2 0.000E+000 0.000E+000 3.000E+003
puts "mass"
mass 2 1.000E+000 1.000E+000 1.000E+000 0.000E+000 0.000E+000 0.000E+000
puts "restraint"
fix 1 1 1 1 1 1 1;
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
puts "recorder"
recorder Node -file node0.out -time -nodeRange 1 2 -dof 1 2 3 disp
recorder Element -file ele0.out -time -eleRange 1 1 section 3 deformation
puts "loading"
## Load Case = DEAD
pattern Plain 1 Linear {
load 2 0.000E+000 0.000E+000 -1.000E+004 0.000E+000 0.000E+000 0.000E+000
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
constraints Plain
numberer Plain
system UmfPack
test EnergyIncr 1.0e-6 200
algorithm Newton
integrator LoadControl 1.000E-002
analysis Static
analyze 100
