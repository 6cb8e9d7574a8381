# Two load cases written with the same pattern tag.
# expect: FAIL line 11: pattern Plain: pattern 1 is already defined at line 7
model basic -ndm 3 -ndf 6
node 1 0.0 0.0 0.0
node 2 0.0 0.0 3000.0
## Load Case = DEAD
pattern Plain 1 Linear {
load 2 0.0 0.0 -1.0E+04 0.0 0.0 0.0
}
## Load Case = LIVE
pattern Plain 1 Linear {
load 2 0.0 0.0 -5.0E+03 0.0 0.0 0.0
}
