# A column and a beam on fibre sections, with an eigen analysis and damping:
# everything here must pass. The fibres name material 9, which no line defines (a note).
wipe
puts "System"
model basic -ndm 3 -ndf 6
node 1 0.000E+000 0.000E+000 0.000E+000
node 2 0.000E+000 0.000E+000 3.000E+003
node 3 6.000E+003 0.000E+000 3.000E+003
mass 2 1.0 1.0 1.0 0.0 0.0 0.0
mass 3 1.0 1.0 1.0 0.0 0.0 0.0
fix 1 1 1 1 1 1 1;
uniaxialMaterial Elastic 1 2.500E+004
section Fiber 1 -GJ 1.0E+012 {
    fiber -100.0 -100.0 2.0E+004 1
    fiber  100.0 -100.0 2.0E+004 1
    fiber  100.0  100.0 2.0E+004 1
    fiber -100.0  100.0 2.0E+004 9
}
section Aggregator 2 1 Vy 1 Vz -section 1
geomTransf Linear 1 1.000 0.000 0.000
geomTransf PDelta 2 0.000 0.000 1.000
element nonlinearBeamColumn 1 1 2 3 2 1
element dispBeamColumn 2 2 3 3 1 2
recorder Node -file node0.out -time -nodeRange 1 3 -dof 1 2 3 disp
recorder Element -file ele.out -time -eleRange 1 2 section 2 deformation
recorder Node -file mode1.out -nodeRange 1 3 -dof 1 2 3 "eigen 1"
pattern Plain 1 Linear {
load 3 0.000E+000 0.000E+000 -1.000E+004 0.000E+000 0.000E+000 0.000E+000
eleLoad -ele 2 -type -beamUniform 0.0 -1.0
}
set nEigenI 1
set nEigenJ 2
set lambdaN [eigen [expr $nEigenJ]];
set lambdaI [lindex $lambdaN [expr $nEigenI-1]];
set lambdaJ [lindex $lambdaN [expr $nEigenJ-1]];
set omegaI [expr pow($lambdaI,0.5)];
set omegaJ [expr pow($lambdaJ,0.5)];
set xDamp 0.05
set alphaM [expr $xDamp*(2*$omegaI*$omegaJ)/($omegaI+$omegaJ)];
set betaKcurr [expr 2.*$xDamp/($omegaI+$omegaJ)];
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
