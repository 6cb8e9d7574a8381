# A bracket is never closed.
# expect: FAIL line 6: Tcl error: missing close-brace, bracket or quote: the command starting here does not end
model basic -ndm 3 -ndf 6
node 1 0.0 0.0 0.0
set nEigenJ 2
set lambdaN [eigen [expr $nEigenJ];
node 2 0.0 0.0 3000.0
