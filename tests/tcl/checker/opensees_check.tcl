#!/usr/bin/tclsh
# Checks an OpenSees input script (3D, ndm 3) without OpenSees.
#
# Usage: tclsh opensees_check.tcl ?-v? SCRIPT.tcl
#
# The script runs in a safe child interpreter in which every OpenSees command that VEK writes
# is a stub: it checks its arguments against the command's documented form (argument count,
# integers for tags, reals for values, option keywords), records what it defines and checks
# what it names. Standard Tcl keeps working; the script's own puts output is dropped (-v sends
# it to stderr) and open/close give fake channels, so no file is written.
#
# The report goes to stdout: one "FAIL line N: command: reason" per problem, one "NOTE: ..."
# per kind of note with its count, then "OK: N commands checked, M notes" (exit 0) or
# "FAILED: K problems" (exit 1). A usage error exits with 2.
#
# Failures: a wrong argument count, a non-number where a number goes (integers for tags,
# finite reals for values), an unknown command, type or option; a tag defined twice; a node,
# element, material, section, transformation, time series or pattern named before it is
# defined; fix/mass/load values that do not match the DOFs of their node (OpenSees reads them
# by the node, whatever ndf the model command in force has); a beam-column section
# without P, Mz, My or (force and displacement elements) torsion; a shell on a non-plate
# section; a vecxz parallel to the element; a zero-length beam; a shell whose nodes do not
# go round it; a brick on nodes that do not have 3 DOFs, naming an nDMaterial not defined before
# it, or of non-positive volume; recorders naming missing nodes or elements or
# a mode eigen does not compute; at the first analysis, a DOF no element, fix or constraint
# gives stiffness, rigidDiaphragm under constraints Plain, a fixed control DOF, eigen without
# mass or with more modes than DOFs with mass; any Tcl error of the script.
# Notes: fibres and PlateFiber nD materials naming a material that no line defines, and a few
# oddities that OpenSees accepts.

namespace eval ::chk {
    variable child ""
    variable verbose 0
    variable line 0          ;# first line of the command being evaluated
    variable text ""         ;# text of the command being evaluated
    variable errLine ""      ;# line of the innermost command that raised a Tcl error
    variable cmd ""          ;# OpenSees command being checked, for the messages
    variable calls 0         ;# OpenSees commands checked
    variable problems {}     ;# {line cmd reason} of each failure
    variable missingRefs {}  ;# {problemIndex class tag}: hint "defined later" at the end
    variable notes {}        ;# kind -> {count firstLine tags}
    variable maxPrinted 200  ;# FAIL lines printed; the rest are only counted
    variable channels {}     ;# fake channels the script has open
    variable chanSeq 0

    # Shown names of the tagged object classes.
    variable className {
        node node element element uniaxial uniaxialMaterial nd nDMaterial section section
        transf geomTransf pattern pattern series timeSeries groundMotion groundMotion
    }
}

# ---------------------------------------------------------------- helpers

proc ::chk::isInt {v} { string is entier -strict $v }

# A finite real: Tcl also reads "Inf" and "NaN" as doubles, OpenSees must not get them.
proc ::chk::isReal {v} {
    expr {[string is double -strict $v] && ![regexp -nocase {inf|nan} $v]}
}

proc ::chk::fail {reason {lineNo ""}} {
    variable problems
    if {$lineNo eq ""} { set lineNo $::chk::line }
    lappend problems [list $lineNo $::chk::cmd $reason]
    return 0
}

proc ::chk::note {kind {tag ""} {lineNo ""}} {
    variable notes
    if {$lineNo eq ""} { set lineNo $::chk::line }
    if {![dict exists $notes $kind]} { dict set notes $kind [list 0 $lineNo {}] }
    lassign [dict get $notes $kind] count first tags
    if {$tag ne "" && $tag ni $tags && [llength $tags] < 10} { lappend tags $tag }
    dict set notes $kind [list [incr count] $first $tags]
}

proc ::chk::show {class} { dict get $::chk::className $class }

proc ::chk::defined {class tag} { info exists ::chk::defs($class,$tag) }

# Records a new object; a tag defined twice is a failure.
proc ::chk::define {class tag} {
    variable defs
    if {[info exists defs($class,$tag)]} {
        return [fail "[show $class] $tag is already defined at line $defs($class,$tag)"]
    }
    set defs($class,$tag) $::chk::line
    return 1
}

# A reference that must name an object defined before it.
proc ::chk::requireDefined {class tag {role ""}} {
    if {![isInt $tag]} { return [fail "$role must be an integer tag, got '$tag'"] }
    if {[defined $class $tag]} { return 1 }
    set what "[show $class] $tag"
    if {$role ne ""} { append what " ($role)" }
    fail "$what is not defined"
    lappend ::chk::missingRefs [list [expr {[llength $::chk::problems] - 1}] $class $tag]
    return 0
}

# A reference whose target may be left for the user to add: if no line ever defines it,
# it is a note; if a later line defines it, the order is wrong and it is a failure.
proc ::chk::softReference {class tag noteKind} {
    if {![isInt $tag]} { return [fail "[show $class] tag must be an integer, got '$tag'"] }
    if {[defined $class $tag]} { return 1 }
    lappend ::chk::pending [list $class $tag $noteKind $::chk::line $::chk::cmd]
    return 1
}

proc ::chk::resolvePending {} {
    variable pending
    foreach p $pending {
        lassign $p class tag noteKind lineNo cmdName
        if {[defined $class $tag]} {
            set ::chk::cmd $cmdName
            fail "[show $class] $tag is used before its definition at line $::chk::defs($class,$tag)" $lineNo
        } else {
            note $noteKind $tag $lineNo
        }
    }
    set pending {}
}

# Checks one value against a kind of the argument tables:
#   any, int, int+ (>= 1), real, real+ (> 0), real0 (>= 0), 01, dof (1..6),
#   enum:a|b|c, tag:CLASS (defines it), ref:CLASS (must be defined), node (ref:node),
#   soft:CLASS:note (see softReference)
proc ::chk::checkValue {kind v name} {
    switch -glob -- $kind {
        any   { return 1 }
        int   { if {[isInt $v]} { return 1 }; set want "an integer" }
        int+  { if {[isInt $v] && $v >= 1} { return 1 }; set want "a positive integer" }
        real  { if {[isReal $v]} { return 1 }; set want "a number" }
        real+ { if {[isReal $v] && $v > 0} { return 1 }; set want "a positive number" }
        real0 { if {[isReal $v] && $v >= 0} { return 1 }; set want "a number >= 0" }
        01    { if {$v in {0 1}} { return 1 }; set want "0 or 1" }
        dof   { if {[isInt $v] && $v >= 1 && $v <= 6} { return 1 }; set want "a dof 1..6" }
        enum:* {
            set allowed [split [string range $kind 5 end] |]
            if {$v in $allowed} { return 1 }
            set want "one of [join $allowed {, }]"
        }
        tag:* {
            if {![isInt $v]} { return [fail "$name must be an integer tag, got '$v'"] }
            return [define [string range $kind 4 end] $v]
        }
        node  { return [requireDefined node $v $name] }
        ref:* { return [requireDefined [string range $kind 4 end] $v $name] }
        soft:* {
            lassign [split $kind :] - class noteKind
            return [softReference $class $v $noteKind]
        }
        default { error "checker: unknown argument kind $kind" }
    }
    fail "$name must be $want, got '$v'"
}

proc ::chk::isNumericKind {kind} {
    expr {$kind ni {any} && ![string match enum:* $kind]}
}

proc ::chk::looksNumeric {v} { string is double -strict $v }

# The usage text of a table entry, e.g. "node nodeTag x y z ?-mass m1..m6?".
proc ::chk::usage {spec opts} {
    set words [list $::chk::cmd]
    foreach item $spec {
        lassign [splitItem $item] kind name optional variadic
        if {[string match ndf:* $kind]} {
            lappend words "${name}1..$name[valueCount]"
        } elseif {$variadic} {
            lappend words "$name..."
        } elseif {$optional} {
            lappend words "?$name?"
        } else {
            lappend words $name
        }
    }
    dict for {o ospec} $opts {
        lappend words "?$o[expr {[llength $ospec] ? " [join [lmap k $ospec {string trimright [lindex [split $k /] end] *}]]" : ""}]?"
    }
    join $words
}

# "?real+/rho" -> {real+ rho 1 0}; "node*/slaves" -> {node slaves 0 1}
proc ::chk::splitItem {item} {
    set slash [string last / $item]
    if {$slash >= 0} {
        set kind [string range $item 0 $slash-1]
        set name [string range $item $slash+1 end]
    } else {
        set kind $item
        set name $item
    }
    set optional [expr {[string index $kind 0] eq "?"}]
    set kind [string trimleft $kind ?]
    set variadic [string match *\\* $kind]
    set kind [string trimright $kind *]
    list $kind $name $optional $variadic
}

proc ::chk::ndfNow {} {
    variable ndf
    if {$ndf eq ""} { return 6 }
    return $ndf
}

# The number of values of fix, mass and load: one per DOF of their node when it is defined
# (valueNode), else one per DOF of the model in force.
namespace eval ::chk { variable valueNode "" }
proc ::chk::valueCount {} {
    if {$::chk::valueNode ne ""} { return [nodeNdf $::chk::valueNode] }
    return [ndfNow]
}

# Parses the arguments of a command that gives one value per DOF of the node its first
# argument names.
proc ::chk::parseNodeValues {spec opts argv} {
    set tag [lindex $argv 0]
    set ::chk::valueNode [expr {[isInt $tag] && [info exists ::chk::nodes($tag)] ? $tag : ""}]
    try {
        return [parseArgs $spec $opts $argv]
    } finally {
        set ::chk::valueNode ""
    }
}

# Checks argv against a table entry: spec is the list of positional arguments
# (kind/name, ?kind/name optional, kind*/name variadic, ndf:kind/name ndf values,
# body/name a braced body given last), opts maps each option to the kinds of its values
# (one "kind*" for a list). Words after the options are an error unless allowRest, then
# they are returned as rest. Returns a dict: ok, pos (name -> value), opt (option -> values),
# rest, body.
proc ::chk::parseArgs {spec opts argv {allowRest 0}} {
    set res [dict create ok 1 pos {} opt {} rest {} body {}]
    set lastKind [lindex [splitItem [lindex $spec end]] 0]
    if {$lastKind eq "body"} {
        if {[llength $argv] == 0} {
            fail "missing the {...} body; usage: [usage $spec $opts]"
            dict set res ok 0
            return $res
        }
        dict set res body [lindex $argv end]
        set argv [lrange $argv 0 end-1]
        set spec [lrange $spec 0 end-1]
    }
    set n [llength $argv]
    set i 0
    foreach item $spec {
        lassign [splitItem $item] kind name optional variadic
        if {[string match ndf:* $kind]} {
            set kind [string range $kind 4 end]
            set vals {}
            while {$i < $n && ![dict exists $opts [lindex $argv $i]]} {
                lappend vals [lindex $argv $i]
                incr i
            }
            if {[llength $vals] != [valueCount]} {
                if {$::chk::valueNode ne ""} {
                    fail "has [llength $vals] values but node $::chk::valueNode has [valueCount] DOFs"
                } else {
                    fail "has [llength $vals] values but the model has ndf [valueCount]"
                }
                dict set res ok 0
            }
            foreach v $vals { if {![checkValue $kind $v $name]} { dict set res ok 0 } }
            dict set res pos $name $vals
            continue
        }
        if {$variadic} {
            set vals {}
            while {$i < $n && ![dict exists $opts [lindex $argv $i]]} {
                lappend vals [lindex $argv $i]
                incr i
            }
            foreach v $vals { if {![checkValue $kind $v $name]} { dict set res ok 0 } }
            dict set res pos $name $vals
            continue
        }
        if {$i >= $n || [dict exists $opts [lindex $argv $i]]} {
            if {$optional} { break }
            fail "too few arguments; usage: [usage $spec $opts]"
            dict set res ok 0
            return $res
        }
        set v [lindex $argv $i]
        incr i
        if {![checkValue $kind $v $name]} { dict set res ok 0 }
        dict set res pos $name $v
    }
    while {$i < $n} {
        set w [lindex $argv $i]
        if {![dict exists $opts $w]} {
            if {$allowRest} {
                dict set res rest [lrange $argv $i end]
            } else {
                fail "unexpected argument '$w'; usage: [usage $spec $opts]"
                dict set res ok 0
            }
            break
        }
        incr i
        set ospec [dict get $opts $w]
        set vals {}
        if {[isListOption $ospec]} {
            lassign [splitItem $ospec] kind name
            while {$i < $n && ![dict exists $opts [lindex $argv $i]]
                   && (![isNumericKind $kind] || [looksNumeric [lindex $argv $i]])} {
                lappend vals [lindex $argv $i]
                incr i
            }
            if {[llength $vals] == 0} {
                fail "option $w needs at least one value"
                dict set res ok 0
            }
        } else {
            foreach okind $ospec {
                if {$i >= $n} {
                    fail "option $w needs [llength $ospec] values"
                    dict set res ok 0
                    break
                }
                lappend vals [lindex $argv $i]
                incr i
            }
        }
        set idx 0
        foreach v $vals {
            if {[isListOption $ospec]} {
                set okind [lindex [splitItem $ospec] 0]
            } else {
                set okind [lindex [splitItem [lindex $ospec $idx]] 0]
            }
            if {$okind ne "" && ![checkValue $okind $v "$w value"]} { dict set res ok 0 }
            incr idx
        }
        dict set res opt $w $vals
    }
    return $res
}

# An option whose values are a list: its table entry is one "kind*" item.
proc ::chk::isListOption {ospec} {
    expr {[llength $ospec] == 1 && [lindex [splitItem $ospec] 3]}
}

proc ::chk::pos {r name {default ""}} {
    if {[dict exists $r pos $name]} { return [dict get $r pos $name] }
    return $default
}

proc ::chk::opt {r name {default ""}} {
    if {[dict exists $r opt $name]} { return [dict get $r opt $name] }
    return $default
}

proc ::chk::hasOpt {r name} { dict exists $r opt $name }

proc ::chk::requireModel {} {
    if {$::chk::ndf eq ""} { return [fail "no 'model basic -ndm 3 -ndf N' before it"] }
    return 1
}

proc ::chk::nodeNdf {tag} {
    if {[info exists ::chk::nodes($tag)]} { return [dict get $::chk::nodes($tag) ndf] }
    return ""
}

proc ::chk::nodeXyz {tag} { dict get $::chk::nodes($tag) xyz }

proc ::chk::allNodesDefined {tags} {
    foreach t $tags { if {![isInt $t] || ![info exists ::chk::nodes($t)]} { return 0 } }
    return 1
}

# ------------------------------------------------------------------- vectors

proc ::chk::vsub {a b} { lmap x $a y $b {expr {$x - $y}} }
proc ::chk::vadd {a b} { lmap x $a y $b {expr {$x + $y}} }
proc ::chk::vdot {a b} { set s 0.0; foreach x $a y $b { set s [expr {$s + $x * $y}] }; return $s }
proc ::chk::vnorm {a} { expr {sqrt([vdot $a $a])} }
proc ::chk::vcross {a b} {
    lassign $a a1 a2 a3
    lassign $b b1 b2 b3
    list [expr {$a2 * $b3 - $a3 * $b2}] [expr {$a3 * $b1 - $a1 * $b3}] [expr {$a1 * $b2 - $a2 * $b1}]
}
proc ::chk::vscale {a s} { lmap x $a {expr {$x * $s}} }

# ------------------------------------------------------------------- state

proc ::chk::resetModel {} {
    variable defs;      array unset defs
    variable nodes;     array unset nodes      ;# tag -> {ndf xyz line}
    variable elems;     array unset elems      ;# tag -> {type class nodes sec nip line}
    variable sections;  array unset sections   ;# tag -> {type dofs fibres gj line}
    variable transfs;   array unset transfs    ;# tag -> {vec offI offJ}
    variable fixity;    array unset fixity     ;# tag -> list of 0/1
    variable masses;    array unset masses     ;# tag -> list of masses
    variable patterns;  array unset patterns   ;# tag -> {type loads}
    variable slaveOf;   array unset slaveOf    ;# slave node -> line of its rigidDiaphragm
    variable fixLine {}      ;# node -> line of its first fix
    variable fibres 0        ;# fibres of the section Fiber being read
    variable ndf ""
    variable pending {}
    variable diaphragms {}   ;# {perp master slaves line}
    variable equalDofs {}    ;# {retained constrained dofs line}
    variable otherMass 0     ;# elements or materials that carry mass
    variable recorders {}    ;# pending {line cmd class tags range}
    variable eigenModesRecorded {} ;# {mode line}
    variable eigenMax 0
    variable ctx {}          ;# enclosing {section Fiber tag} or {pattern Type tag}
    variable gm;        array unset gm         ;# groundMotion tags of the current MultiSupport
    variable domainChecked 0
    resetAnalysis
}

proc ::chk::resetAnalysis {} {
    variable analysis [dict create constraints "" numberer "" system "" test "" algorithm "" \
        integrator "" integratorKind "" integratorLine 0 control {} type ""]
}

# ---------------------------------------------------------------- model

proc ::chk::cmd_wipe {args} {
    if {[llength $args]} { fail "takes no arguments" }
    resolvePending
    checkRecorders
    resetModel
}

proc ::chk::cmd_model {args} {
    set r [parseArgs {enum:basic|BasicBuilder/builder} {-ndm int -ndf int} $args]
    set ndm [opt $r -ndm]
    set ndf [opt $r -ndf]
    if {$ndm eq ""} { return [fail "needs -ndm 3"] }
    if {$ndm ne "3"} { fail "-ndm must be 3 for these 3D models, got $ndm" }
    if {$ndf eq ""} { set ndf 6 }
    if {$ndf ni {3 6}} { return [fail "-ndf must be 6 (frames, shells) or 3 (solids), got $ndf"] }
    set ::chk::ndf $ndf
}

proc ::chk::cmd_node {args} {
    requireModel
    set r [parseArgs {tag:node/nodeTag real/x real/y real/z} {-mass real0*/m} $args]
    set tag [pos $r nodeTag]
    if {![isInt $tag]} { return }
    if {[info exists ::chk::nodes($tag)]} { return }
    set xyz [lmap c [list [pos $r x] [pos $r y] [pos $r z]] {expr {[isReal $c] ? $c : 0.0}}]
    set ::chk::nodes($tag) [dict create ndf [ndfNow] xyz $xyz line $::chk::line]
    if {[hasOpt $r -mass]} {
        set m [opt $r -mass]
        if {[llength $m] != [ndfNow]} { fail "-mass has [llength $m] values but the model has ndf [ndfNow]" }
        set ::chk::masses($tag) $m
    }
}

# fix and mass: one value per DOF of their node.
proc ::chk::nodeValues {kind args} {
    requireModel
    set r [parseNodeValues [list node/nodeTag ndf:$kind/value] {} $args]
    set tag [pos $r nodeTag]
    set nn [nodeNdf $tag]
    if {![dict get $r ok] || $nn eq ""} { return "" }
    return [list $tag [pos $r value]]
}

proc ::chk::cmd_fix {args} {
    set tv [nodeValues 01 {*}$args]
    if {$tv eq ""} { return }
    lassign $tv tag values
    if {[info exists ::chk::fixity($tag)]} {
        set old $::chk::fixity($tag)
        set both [lmap a $old b $values {expr {$a eq "1" && $b eq "1"}}]
        if {1 in $both} {
            return [fail "node $tag is already fixed in one of these DOFs (line [dict get $::chk::fixLine $tag]); OpenSees refuses a second SP constraint"]
        }
        set values [lmap a $old b $values {expr {$a eq "1" || $b eq "1"}}]
    } else {
        dict set ::chk::fixLine $tag $::chk::line
    }
    set ::chk::fixity($tag) $values
}

proc ::chk::cmd_mass {args} {
    set tv [nodeValues real0 {*}$args]
    if {$tv eq ""} { return }
    lassign $tv tag values
    set ::chk::masses($tag) $values
}

# Degrees of freedom in the plane of a rigid diaphragm, by its perpendicular direction.
proc ::chk::inPlaneDofs {perp} { dict get {1 {2 3 4} 2 {1 3 5} 3 {1 2 6}} $perp }

proc ::chk::cmd_rigidDiaphragm {args} {
    requireModel
    set r [parseArgs {enum:1|2|3/perpDirn node/masterNode node*/slaveNodes} {} $args]
    set perp [pos $r perpDirn]
    set master [pos $r masterNode]
    set slaves [pos $r slaveNodes]
    if {[llength $slaves] == 0 && [dict get $r ok]} { fail "names no slave nodes" }
    if {$master in $slaves} { fail "master node $master is also one of its slaves" }
    foreach s [concat [list $master] $slaves] {
        set nn [nodeNdf $s]
        if {$nn ne "" && $nn != 6} { fail "node $s has $nn DOFs; a 3D rigid diaphragm needs 6" }
    }
    foreach s $slaves {
        if {[info exists ::chk::slaveOf($s)]} {
            fail "node $s is already a slave of the rigid diaphragm at line $::chk::slaveOf($s)"
        }
        set ::chk::slaveOf($s) $::chk::line
    }
    if {[dict get $r ok]} {
        lappend ::chk::diaphragms [list $perp $master $slaves $::chk::line]
    }
}

proc ::chk::cmd_equalDOF {args} {
    requireModel
    set r [parseArgs {node/retainedNode node/constrainedNode dof*/dofs} {} $args]
    set rn [pos $r retainedNode]
    set cn [pos $r constrainedNode]
    set dofs [pos $r dofs]
    if {[llength $dofs] == 0} { fail "names no DOFs" }
    if {$rn eq $cn} { fail "retained and constrained node are the same ($rn)" }
    if {[llength [lsort -unique $dofs]] != [llength $dofs]} { fail "a DOF is named twice" }
    foreach n [list $rn $cn] {
        set nn [nodeNdf $n]
        foreach d $dofs { if {$nn ne "" && [isInt $d] && $d > $nn} { fail "node $n has no DOF $d (ndf $nn)" } }
    }
    if {[dict get $r ok]} { lappend ::chk::equalDofs [list $rn $cn $dofs $::chk::line] }
}

# ------------------------------------------------------------- materials

namespace eval ::chk {
    # Types whose arguments are known; any other type only needs an integer tag.
    variable uniaxialForms {
        Elastic    {tag:uniaxial/matTag real/E ?real0/eta ?real/Eneg}
        ElasticPP  {tag:uniaxial/matTag real+/E real/epsyP ?real/epsyN ?real/eps0}
        Steel01    {tag:uniaxial/matTag real+/Fy real+/E0 real/b ?real/a1 ?real/a2 ?real/a3 ?real/a4}
        Steel02    {tag:uniaxial/matTag real+/Fy real+/E0 real/b ?real/R0 ?real/cR1 ?real/cR2
                    ?real/a1 ?real/a2 ?real/a3 ?real/a4 ?real/sigInit}
        Concrete01 {tag:uniaxial/matTag real/fpc real/epsc0 real/fpcu real/epsU}
        Concrete02 {tag:uniaxial/matTag real/fpc real/epsc0 real/fpcu real/epsU real/lambda real/ft real/Ets}
    }
    variable ndForms {
        ElasticIsotropic {tag:nd/matTag real+/E real/nu ?real0/rho}
        PlateFiber       {tag:nd/matTag soft:nd:PlateFiber-nd/ndTag}
    }
}

proc ::chk::cmd_uniaxialMaterial {type args} {
    set ::chk::cmd "uniaxialMaterial $type"
    if {[dict exists $::chk::uniaxialForms $type]} {
        parseArgs [dict get $::chk::uniaxialForms $type] {} $args
    } else {
        parseArgs {tag:uniaxial/matTag any*/args} {} $args
    }
}

proc ::chk::cmd_nDMaterial {type args} {
    set ::chk::cmd "nDMaterial $type"
    if {[dict exists $::chk::ndForms $type]} {
        set r [parseArgs [dict get $::chk::ndForms $type] {} $args]
    } else {
        set r [parseArgs {tag:nd/matTag any*/args} {} $args]
    }
    if {$type eq "ElasticIsotropic"} {
        set nu [pos $r nu]
        if {[isReal $nu] && ($nu <= -1 || $nu >= 0.5)} { fail "Poisson's ratio $nu is outside (-1, 0.5)" }
        if {[isReal [pos $r rho 0]] && [pos $r rho 0] > 0} { set ::chk::otherMass 1 }
    }
}

# ---------------------------------------------------------------- sections

proc ::chk::setSection {tag type dofs args} {
    if {![isInt $tag] || [info exists ::chk::sections($tag)]} { return }
    set ::chk::sections($tag) [dict create type $type dofs $dofs line $::chk::line {*}$args]
}

proc ::chk::sectionDofs {tag} {
    if {[info exists ::chk::sections($tag)]} { return [dict get $::chk::sections($tag) dofs] }
    return {}
}

proc ::chk::isPlateSection {tag} {
    expr {[info exists ::chk::sections($tag)] && [dict get $::chk::sections($tag) dofs] eq "plate"}
}

proc ::chk::cmd_section {type args} {
    set ::chk::cmd "section $type"
    switch -- $type {
        Fiber { sectionFiber {*}$args }
        Aggregator { sectionAggregator {*}$args }
        PlateFiber {
            set r [parseArgs {tag:section/secTag ref:nd/ndTag real+/thickness} {} $args]
            setSection [pos $r secTag] PlateFiber plate
        }
        ElasticMembranePlateSection {
            set r [parseArgs {tag:section/secTag real+/E real/nu real+/h ?real0/rho} {} $args]
            if {[isReal [pos $r rho 0]] && [pos $r rho 0] > 0} { set ::chk::otherMass 1 }
            setSection [pos $r secTag] ElasticMembranePlateSection plate
        }
        Elastic {
            set r [parseArgs {tag:section/secTag real+/E real+/A real+/Iz real+/Iy real+/G real+/J
                              ?real/alphaY ?real/alphaZ} {} $args]
            set dofs {P Mz My T}
            if {[pos $r alphaY] ne ""} { lappend dofs Vy Vz }
            setSection [pos $r secTag] Elastic $dofs
        }
        default { fail "unknown section type '$type'" }
    }
}

proc ::chk::sectionFiber {args} {
    set r [parseArgs {tag:section/secTag body/fibres} {-GJ real+ -torsion ref:uniaxial} $args]
    set tag [pos $r secTag]
    set dofs {P Mz My}
    if {[hasOpt $r -GJ] || [hasOpt $r -torsion]} { lappend dofs T }
    lappend ::chk::ctx [list section Fiber $tag]
    set ::chk::fibres 0
    try {
        evalBody [dict get $r body]
    } finally {
        set ::chk::ctx [lrange $::chk::ctx 0 end-1]
    }
    set ::chk::cmd "section Fiber"
    if {$::chk::fibres == 0} { fail "section $tag has no fibres" }
    setSection $tag Fiber $dofs fibres $::chk::fibres
}

proc ::chk::sectionAggregator {args} {
    set r [parseArgs {tag:section/secTag any*/matDofPairs} {-section ref:section} $args]
    set tag [pos $r secTag]
    set pairs [pos $r matDofPairs]
    if {[llength $pairs] % 2} { fail "materials and DOFs must come in pairs: $pairs" }
    set dofs {}
    if {[hasOpt $r -section]} { set dofs [sectionDofs [opt $r -section]] }
    if {$dofs eq "plate"} { fail "section [opt $r -section] is a plate section"; set dofs {} }
    set sectionDofs $dofs
    foreach {mat dof} $pairs {
        requireDefined uniaxial $mat "material for $dof"
        if {![checkValue enum:P|Mz|My|Vy|Vz|T $dof "DOF of material $mat"]} { continue }
        if {$dof in $sectionDofs} {
            note "section Aggregator adds a DOF its -section already has (stiffnesses add up)" $tag
        } elseif {$dof in $dofs} {
            fail "DOF $dof is given twice"
        }
        lappend dofs $dof
    }
    if {[llength $pairs] == 0 && ![hasOpt $r -section]} { fail "aggregates nothing" }
    setSection $tag Aggregator [lsort -unique $dofs]
}

# Commands of a section Fiber body.
proc ::chk::inFiberSection {} {
    if {[lindex $::chk::ctx end 1] ne "Fiber"} {
        return [fail "outside a section Fiber body"]
    }
    return 1
}

proc ::chk::cmd_fiber {args} {
    inFiberSection
    parseArgs {real/y real/z real+/area soft:uniaxial:fiber/matTag} {} $args
    incr ::chk::fibres
}

proc ::chk::cmd_patch {type args} {
    set ::chk::cmd "patch $type"
    inFiberSection
    switch -- $type {
        rect - quadr {
            parseArgs {soft:uniaxial:fiber/matTag int+/numSubdivY int+/numSubdivZ
                       real/yI real/zI real/yJ real/zJ} {} $args
        }
        quad {
            parseArgs {soft:uniaxial:fiber/matTag int+/numSubdivIJ int+/numSubdivJK
                       real/yI real/zI real/yJ real/zJ real/yK real/zK real/yL real/zL} {} $args
        }
        circ {
            parseArgs {soft:uniaxial:fiber/matTag int+/numSubdivCirc int+/numSubdivRad
                       real/yCenter real/zCenter real0/intRad real+/extRad ?real/startAng ?real/endAng} {} $args
        }
        default { return [fail "unknown patch type '$type'"] }
    }
    incr ::chk::fibres
}

proc ::chk::cmd_layer {type args} {
    set ::chk::cmd "layer $type"
    inFiberSection
    switch -- $type {
        straight {
            parseArgs {soft:uniaxial:fiber/matTag int+/numFiber real+/areaFiber
                       real/yStart real/zStart real/yEnd real/zEnd} {} $args
        }
        circ {
            parseArgs {soft:uniaxial:fiber/matTag int+/numFiber real+/areaFiber
                       real/yCenter real/zCenter real+/radius ?real/startAng ?real/endAng} {} $args
        }
        default { return [fail "unknown layer type '$type'"] }
    }
    incr ::chk::fibres
}

# ------------------------------------------------------------ transformations

proc ::chk::cmd_geomTransf {type args} {
    set ::chk::cmd "geomTransf $type"
    if {$type ni {Linear PDelta Corotational}} { return [fail "unknown transformation type '$type'"] }
    set r [parseArgs {tag:transf/transfTag real/vecxzX real/vecxzY real/vecxzZ} \
           {-jntOffset {real real real real real real}} $args]
    if {![dict get $r ok]} { return }
    set vec [list [pos $r vecxzX] [pos $r vecxzY] [pos $r vecxzZ]]
    if {[vnorm $vec] == 0} { return [fail "the vecxz vector has zero length"] }
    set off [opt $r -jntOffset {0 0 0 0 0 0}]
    set ::chk::transfs([pos $r transfTag]) [list $vec [lrange $off 0 2] [lrange $off 3 5]]
}

# ------------------------------------------------------------------ elements

namespace eval ::chk {
    # type -> {positional spec} {options} class
    variable elementForms {
        elasticBeamColumn {
            {tag:element/eleTag node/iNode node/jNode real+/A real+/E real+/G real+/J real+/Iy real+/Iz
             ref:transf/transfTag}
            {-mass real0 -cMass {}} beam
        }
        nonlinearBeamColumn {
            {tag:element/eleTag node/iNode node/jNode int+/numIntgrPts ref:section/secTag ref:transf/transfTag}
            {-mass real0 -iter {int+ real+} -integration any} beam
        }
        dispBeamColumn {
            {tag:element/eleTag node/iNode node/jNode int+/numIntgrPts ref:section/secTag ref:transf/transfTag}
            {-mass real0 -cMass {} -integration any} beam
        }
        beamWithHinges {
            {tag:element/eleTag node/iNode node/jNode ref:section/secTagI real0/lpI ref:section/secTagJ
             real0/lpJ real+/E real+/A real+/Iz real+/Iy real+/G real+/J ref:transf/transfTag}
            {-mass real0 -iter {int+ real+}} beam
        }
        trussSection {
            {tag:element/eleTag node/iNode node/jNode ref:section/secTag}
            {-rho real0 -cMass {} -doRayleigh int} truss
        }
        corotTrussSection {
            {tag:element/eleTag node/iNode node/jNode ref:section/secTag}
            {-rho real0 -cMass {} -doRayleigh int} truss
        }
        zeroLength {
            {tag:element/eleTag node/iNode node/jNode}
            {-mat int*/matTags -dir int*/dirs -orient {real real real real real real} -doRayleigh int}
            zeroLength
        }
        ShellMITC4 {
            {tag:element/eleTag node/n1 node/n2 node/n3 node/n4 ref:section/secTag} {} shell
        }
        ShellDKGQ {
            {tag:element/eleTag node/n1 node/n2 node/n3 node/n4 ref:section/secTag} {} shell
        }
        stdBrick {
            {tag:element/eleTag node/n1 node/n2 node/n3 node/n4 node/n5 node/n6 node/n7 node/n8
             ref:nd/matTag ?real/b1 ?real/b2 ?real/b3} {} brick
        }
    }
}

proc ::chk::cmd_element {type args} {
    set ::chk::cmd "element $type"
    requireModel
    if {![dict exists $::chk::elementForms $type]} { return [fail "unknown element type '$type'"] }
    lassign [dict get $::chk::elementForms $type] spec opts class
    set r [parseArgs $spec $opts $args]
    set tag [pos $r eleTag]
    set nodeNames [lmap item $spec {
        lassign [splitItem $item] kind name
        if {$kind ne "node"} continue
        set name
    }]
    set en [lmap nm $nodeNames {pos $r $nm}]
    if {[llength [lsort -unique $en]] != [llength $en]} { fail "element $tag names a node twice: $en" }
    foreach o {-mass -rho} {
        if {[isReal [opt $r $o]] && [opt $r $o] > 0} { set ::chk::otherMass 1 }
    }
    set sec [pos $r secTag]
    set nip [pos $r numIntgrPts]
    if {$type eq "beamWithHinges"} { set sec [list [pos $r secTagI] [pos $r secTagJ]] }
    if {[allNodesDefined $en] && [llength [lsort -unique $en]] == [llength $en]} {
        check_$class $r $tag $en $type
    }
    set e [dict create type $type class $class nodes $en sec $sec nip $nip dirs [opt $r -dir] \
        line $::chk::line]
    if {[isInt $tag] && ![info exists ::chk::elems($tag)]} {
        set ::chk::elems($tag) $e
    } else {
        # kept apart, so that its nodes do not also fail the stiffness check
        set ::chk::elems(unnamed,$::chk::line) $e
    }
}

proc ::chk::requireNodeNdf {en want why} {
    foreach n $en {
        set nn [nodeNdf $n]
        if {$nn != $want} { return [fail "node $n has $nn DOFs; $why"] }
    }
    return 1
}

# Sections a 3D beam-column element can use: axial, both bendings and torsion.
proc ::chk::requireBeamSection {sec requireT} {
    if {![info exists ::chk::sections($sec)]} { return }
    set dofs [sectionDofs $sec]
    if {$dofs eq "plate"} { return [fail "section $sec is a plate section, not a beam-column section"] }
    foreach d {P Mz My} {
        if {$d ni $dofs} { fail "section $sec has no $d response" }
    }
    if {$requireT && "T" ni $dofs} {
        fail "section $sec has no torsional stiffness (no -GJ and no aggregated T): the stiffness is singular"
    }
}

proc ::chk::check_beam {r tag en type} {
    requireNodeNdf $en 6 "beam-column elements need 6"
    if {$type in {nonlinearBeamColumn dispBeamColumn}} {
        requireBeamSection [pos $r secTag] 1
    } elseif {$type eq "beamWithHinges"} {
        requireBeamSection [pos $r secTagI] 0
        requireBeamSection [pos $r secTagJ] 0
    }
    set tt [pos $r transfTag]
    if {![info exists ::chk::transfs($tt)]} { return }
    lassign $::chk::transfs($tt) vec offI offJ
    lassign $en ni nj
    set axis [vsub [vadd [nodeXyz $nj] $offJ] [vadd [nodeXyz $ni] $offI]]
    set len [vnorm $axis]
    if {$len == 0} { return [fail "element $tag has zero length (nodes $ni and $nj coincide)"] }
    if {[vnorm [vcross $axis $vec]] <= 1e-6 * $len * [vnorm $vec]} {
        fail "vecxz of geomTransf $tt is parallel to the axis of element $tag"
    }
}

proc ::chk::check_truss {r tag en type} {
    set sec [pos $r secTag]
    if {[info exists ::chk::sections($sec)]} {
        set dofs [sectionDofs $sec]
        if {$dofs eq "plate" || "P" ni $dofs} { fail "section $sec has no axial (P) response" }
    }
    lassign $en ni nj
    if {[vnorm [vsub [nodeXyz $nj] [nodeXyz $ni]]] == 0} {
        fail "element $tag has zero length (nodes $ni and $nj coincide)"
    }
}

proc ::chk::check_zeroLength {r tag en type} {
    set mats [opt $r -mat]
    set dirs [opt $r -dir]
    if {![hasOpt $r -mat] || ![hasOpt $r -dir]} { return [fail "needs -mat and -dir"] }
    if {[llength $mats] != [llength $dirs]} {
        fail "[llength $mats] materials for [llength $dirs] directions"
    }
    foreach m $mats { requireDefined uniaxial $m "-mat" }
    set maxDir [expr {[nodeNdf [lindex $en 0]] == 3 ? 3 : 6}]
    foreach d $dirs {
        if {![isInt $d] || $d < 1 || $d > $maxDir} { fail "direction $d is not 1..$maxDir" }
    }
    if {[llength [lsort -unique $dirs]] != [llength $dirs]} { fail "a direction is given twice: $dirs" }
    lassign $en ni nj
    if {[vnorm [vsub [nodeXyz $nj] [nodeXyz $ni]]] > 1e-6} {
        note "zeroLength element joins nodes that are not at one point" $tag
    }
}

# The four corners of a quadrilateral must go round it: every corner turns the same way.
proc ::chk::check_shell {r tag en type} {
    requireNodeNdf $en 6 "shell elements need 6"
    set sec [pos $r secTag]
    if {[info exists ::chk::sections($sec)] && ![isPlateSection $sec]} {
        fail "section $sec is not a plate section (PlateFiber or ElasticMembranePlateSection)"
    }
    set p [lmap n $en {nodeXyz $n}]
    set corners {}
    for {set k 0} {$k < 4} {incr k} {
        set here [lindex $p $k]
        set next [lindex $p [expr {($k + 1) % 4}]]
        set prev [lindex $p [expr {($k + 3) % 4}]]
        lappend corners [vcross [vsub $next $here] [vsub $prev $here]]
    }
    set sum {0 0 0}
    foreach c $corners { set sum [vadd $sum $c] }
    foreach c $corners {
        if {[vdot $c $sum] <= 1e-9 * [vnorm $c] * [vnorm $sum] || [vnorm $c] == 0} {
            return [fail "nodes $en of element $tag do not go round the quadrilateral (crossed, concave or degenerate)"]
        }
    }
}

# The Jacobian of the brick at its centre must be positive: nodes 1-4 go round one face,
# 5-8 round the opposite face in the same sense.
proc ::chk::check_brick {r tag en type} {
    requireNodeNdf $en 3 "stdBrick needs 3"
    set p [lmap n $en {nodeXyz $n}]
    set nat {{-1 -1 -1} {1 -1 -1} {1 1 -1} {-1 1 -1} {-1 -1 1} {1 -1 1} {1 1 1} {-1 1 1}}
    set cols {}
    foreach axis {0 1 2} {
        set col {0 0 0}
        foreach xyz $p n $nat { set col [vadd $col [vscale $xyz [lindex $n $axis]]] }
        lappend cols $col
    }
    lassign $cols a b c
    set det [vdot $a [vcross $b $c]]
    if {$det <= 1e-9 * [vnorm $a] * [vnorm $b] * [vnorm $c]} {
        fail "nodes $en of element $tag give a brick of non-positive volume (node order)"
    }
}

# ------------------------------------------------------------------ patterns

# A time series given to a pattern: a defined tag, Linear/Constant, or an old-style list.
proc ::chk::checkSeriesRef {ts role} {
    if {[isInt $ts]} { return [requireDefined series $ts $role] }
    if {[lindex $ts 0] in {Linear Constant Path Series Trig Sine Rectangular Triangle}} { return 1 }
    fail "$role '$ts' is neither a time series tag nor a time series"
}

proc ::chk::cmd_pattern {type args} {
    set ::chk::cmd "pattern $type"
    if {[llength $::chk::ctx]} { fail "inside the body of [lrange [lindex $::chk::ctx end] 0 1]" }
    switch -- $type {
        Plain {
            set r [parseArgs {tag:pattern/patternTag any/tsTag body/loads} {-fact real} $args]
            if {[pos $r tsTag] ne ""} { checkSeriesRef [pos $r tsTag] tsTag }
        }
        UniformExcitation {
            set r [parseArgs {tag:pattern/patternTag dof/dir} \
                   {-accel any -vel0 real -fact real -disp any -vel any} $args]
            if {![hasOpt $r -accel]} { fail "needs -accel tsTag" } else { checkSeriesRef [opt $r -accel] -accel }
        }
        MultiSupport {
            set r [parseArgs {tag:pattern/patternTag body/motions} {-fact real} $args]
            array unset ::chk::gm
        }
        default { return [fail "unknown pattern type '$type'"] }
    }
    set tag [pos $r patternTag]
    if {[isInt $tag] && ![info exists ::chk::patterns($tag)]} {
        set ::chk::patterns($tag) [dict create type $type loads 0]
    }
    if {$type ne "UniformExcitation"} {
        lappend ::chk::ctx [list pattern $type $tag]
        try {
            evalBody [dict get $r body]
        } finally {
            set ::chk::ctx [lrange $::chk::ctx 0 end-1]
        }
    }
}

proc ::chk::currentPattern {type r} {
    set top [lindex $::chk::ctx end]
    if {[lindex $top 0] eq "pattern" && [lindex $top 1] eq $type} { return [lindex $top 2] }
    if {$r ne "" && [hasOpt $r -pattern]} {
        set p [opt $r -pattern]
        requireDefined pattern $p -pattern
        return $p
    }
    fail "outside a pattern $type body"
    return ""
}

proc ::chk::countLoad {p} {
    if {[info exists ::chk::patterns($p)]} { dict incr ::chk::patterns($p) loads }
}

proc ::chk::cmd_load {args} {
    requireModel
    set r [parseNodeValues {node/nodeTag ndf:real/value} {-const {} -pattern int} $args]
    countLoad [currentPattern Plain $r]
}

proc ::chk::cmd_sp {args} {
    set r [parseArgs {node/nodeTag dof/dof real/value} {-const {} -pattern int} $args]
    set n [pos $r nodeTag]
    if {[nodeNdf $n] ne "" && [isInt [pos $r dof]] && [pos $r dof] > [nodeNdf $n]} {
        fail "node $n has no DOF [pos $r dof]"
    }
    countLoad [currentPattern Plain $r]
}

proc ::chk::cmd_eleLoad {args} {
    set p [currentPattern Plain ""]
    set tags {}
    set i 0
    set n [llength $args]
    set w [lindex $args 0]
    if {$w eq "-ele"} {
        incr i
        while {$i < $n && [isInt [lindex $args $i]]} { lappend tags [lindex $args $i]; incr i }
        if {![llength $tags]} { return [fail "-ele names no elements"] }
    } elseif {$w eq "-range"} {
        lassign [lrange $args 1 2] a b
        if {![isInt $a] || ![isInt $b]} { return [fail "-range needs two element tags"] }
        for {set t $a} {$t <= $b} {incr t} { lappend tags $t }
        set i 3
    } else {
        return [fail "needs -ele tags... or -range a b; usage: eleLoad -ele tag... -type -beamUniform Wy Wz ?Wx?"]
    }
    if {[lindex $args $i] ne "-type"} { return [fail "needs -type after the elements"] }
    set ltype [lindex $args [incr i]]
    set values [lrange $args [incr i] end]
    switch -- $ltype {
        -beamUniform { set counts {2 3} }
        -beamPoint   { set counts {3 4} }
        default { return [fail "unknown load type '$ltype'"] }
    }
    if {[llength $values] ni $counts} {
        fail "$ltype needs [join $counts { or }] values, got [llength $values]"
    }
    foreach v $values { checkValue real $v "$ltype value" }
    foreach t $tags {
        if {![requireDefined element $t -ele]} continue
        if {[dict get $::chk::elems($t) class] ne "beam"} {
            fail "element $t is a [dict get $::chk::elems($t) type], not a beam-column element"
        }
    }
    if {$p ne ""} { countLoad $p }
}

proc ::chk::cmd_groundMotion {args} {
    set r [parseArgs {int/gmTag enum:Plain/type} \
           {-disp any -vel any -accel any -int any -fact real} $args]
    set p [currentPattern MultiSupport ""]
    set tag [pos $r gmTag]
    foreach o {-disp -vel -accel} { if {[hasOpt $r $o]} { checkSeriesRef [opt $r $o] $o } }
    if {![hasOpt $r -disp] && ![hasOpt $r -vel] && ![hasOpt $r -accel]} { fail "needs -disp, -vel or -accel" }
    if {[info exists ::chk::gm($tag)]} {
        fail "groundMotion $tag is already defined in this pattern at line $::chk::gm($tag)"
    } elseif {[isInt $tag]} {
        set ::chk::gm($tag) $::chk::line
    }
}

proc ::chk::cmd_imposedMotion {args} {
    set r [parseArgs {node/nodeTag dof/dof int/gmTag} {} $args]
    set p [currentPattern MultiSupport ""]
    set n [pos $r nodeTag]
    set d [pos $r dof]
    if {[nodeNdf $n] ne "" && [isInt $d] && $d > [nodeNdf $n]} { fail "node $n has no DOF $d" }
    set g [pos $r gmTag]
    if {$p ne "" && [isInt $g] && ![info exists ::chk::gm($g)]} {
        fail "groundMotion $g is not defined in this pattern"
    }
    if {$p ne ""} { countLoad $p }
}

proc ::chk::cmd_timeSeries {type args} {
    set ::chk::cmd "timeSeries $type"
    switch -- $type {
        Linear - Constant { parseArgs {tag:series/tsTag} {-factor real} $args }
        Path {
            set r [parseArgs {tag:series/tsTag} \
                   {-dt real+ -filePath any -values any -time any -fileTime any -factor real
                    -useLast {} -prependZero {} -startTime real} $args]
            if {![hasOpt $r -filePath] && ![hasOpt $r -values]} { fail "needs -filePath or -values" }
            if {![hasOpt $r -dt] && ![hasOpt $r -time] && ![hasOpt $r -fileTime]} {
                fail "needs -dt, -time or -fileTime"
            }
        }
        default { fail "unknown time series type '$type'" }
    }
}

# ----------------------------------------------------------------- recorders

namespace eval ::chk {
    variable recorderOutput {-file any -xml any -binary any -fileCSV any -time {} -precision int+
                             -closeOnWrite {} -timeSeries int}
    variable nodeResponses {disp vel accel incrDisp incrDeltaDisp reaction unbalance rayleighForces}
    variable elementResponses {globalForce localForce force forces basicForce deformation deformations
                               basicDeformation plasticDeformation stresses strains material section}
}

proc ::chk::cmd_recorder {type args} {
    set ::chk::cmd "recorder $type"
    switch -- $type {
        Node - EnvelopeNode {
            set r [parseArgs {} [dict merge $::chk::recorderOutput {-node int* -nodeRange {int int} -dof dof*}] $args 1]
            set tags [opt $r -node]
            set range [opt $r -nodeRange]
            if {![hasOpt $r -node] && ![hasOpt $r -nodeRange]} { fail "names no nodes (-node or -nodeRange)" }
            if {![hasOpt $r -dof]} { fail "needs -dof" }
            set resp [dict get $r rest]
            if {[llength $resp] == 0} {
                fail "names no response (disp, vel, accel, reaction, \"eigen N\", ...)"
            } elseif {[regexp {^eigen\s*([0-9]+)$} [lindex $resp 0] -> mode]} {
                if {$mode < 1} { fail "mode number must be >= 1" }
                lappend ::chk::eigenModesRecorded [list $mode $::chk::line]
                if {[llength $resp] > 1} { fail "unexpected words after the response: [lrange $resp 1 end]" }
            } elseif {[lindex $resp 0] eq "eigen"} {
                fail "the mode number must be in the same word as eigen: \"eigen N\""
            } elseif {[lindex $resp 0] ni $::chk::nodeResponses} {
                fail "unknown node response '[lindex $resp 0]'"
            } elseif {[llength $resp] > 1} {
                fail "unexpected words after the response: [lrange $resp 1 end]"
            }
            lappend ::chk::recorders [list $::chk::line $::chk::cmd node $tags $range {}]
        }
        Element - EnvelopeElement {
            set r [parseArgs {} [dict merge $::chk::recorderOutput {-ele int* -eleRange {int int} -region int -dof dof*}] $args 1]
            set tags [opt $r -ele]
            set range [opt $r -eleRange]
            if {![hasOpt $r -ele] && ![hasOpt $r -eleRange] && ![hasOpt $r -region]} {
                fail "names no elements (-ele or -eleRange)"
            }
            set resp [dict get $r rest]
            set section {}
            if {[llength $resp] == 0} {
                fail "names no response (localForce, section N deformation, ...)"
            } elseif {[lindex $resp 0] ni $::chk::elementResponses} {
                fail "unknown element response '[lindex $resp 0]'"
            } elseif {[lindex $resp 0] eq "section"} {
                set rest [lrange $resp 1 end]
                if {[isInt [lindex $rest 0]]} {
                    set section [lindex $rest 0]
                    if {$section < 1} { fail "section number must be >= 1" }
                    set rest [lrange $rest 1 end]
                }
                if {[llength $rest] == 0} { fail "section response needs what to record (deformation, force, ...)" }
            }
            lappend ::chk::recorders [list $::chk::line $::chk::cmd element $tags $range $section]
        }
        Drift {
            set r [parseArgs {} [dict merge $::chk::recorderOutput {-iNode int* -jNode int* -dof dof -perpDirn dof}] $args]
            if {[llength [opt $r -iNode]] != [llength [opt $r -jNode]] || ![hasOpt $r -iNode]} {
                fail "needs as many -iNode as -jNode nodes"
            }
            lappend ::chk::recorders [list $::chk::line $::chk::cmd node [concat [opt $r -iNode] [opt $r -jNode]] {} {}]
        }
        default { fail "unknown recorder type '$type'" }
    }
}

# Recorders find their nodes and elements when the analysis starts: check them then.
proc ::chk::checkRecorders {} {
    set saved $::chk::cmd
    foreach rec $::chk::recorders {
        lassign $rec lineNo cmdName class tags range section
        set ::chk::cmd $cmdName
        set missing {}
        set all $tags
        if {[llength $range] == 2} {
            lassign $range a b
            if {[isInt $a] && [isInt $b]} { for {set t $a} {$t <= $b} {incr t} { lappend all $t } }
        }
        set array [expr {$class eq "node" ? "nodes" : "elems"}]
        foreach t $all { if {![info exists ::chk::${array}($t)]} { lappend missing $t } }
        if {[llength $missing]} {
            set first [lrange $missing 0 4]
            set more [expr {[llength $missing] > 5 ? " ..." : ""}]
            fail "[llength $missing] of its [llength $all] [show $class]s are not defined: $first$more" $lineNo
        }
        # Elements without that section (other types) just give no output; a beam-column
        # element with fewer integration points means the recorder asks for the wrong one.
        if {$section ne ""} {
            foreach t $all {
                if {![info exists ::chk::elems($t)]} continue
                set nip [dict get $::chk::elems($t) nip]
                if {[isInt $nip] && $section > $nip} {
                    fail "asks for section $section of element $t, which has $nip integration points" $lineNo
                }
            }
        }
    }
    set ::chk::recorders {}
    set ::chk::cmd $saved
}

# ------------------------------------------------------------------ analysis

namespace eval ::chk {
    # command -> type -> {positional spec} {options}
    variable analysisForms {
        constraints {
            Plain {{} {}} Transformation {{} {}} Penalty {{real+/alphaS real+/alphaM} {}}
            Lagrange {{?real+/alphaS ?real+/alphaM} {}}
        }
        numberer { Plain {{} {}} RCM {{} {}} AMD {{} {}} }
        system {
            BandGeneral {{} {}} BandSPD {{} {}} ProfileSPD {{} {}} SparseSPD {{} {}}
            SparseGeneral {{} {-piv {}}} UmfPack {{} {-lvalueFact int}} FullGeneral {{} {}} Mumps {{} {}}
        }
        test {
            EnergyIncr {{real+/tol int+/maxIter ?int/printFlag ?int/normType} {}}
            NormDispIncr {{real+/tol int+/maxIter ?int/printFlag ?int/normType} {}}
            NormUnbalance {{real+/tol int+/maxIter ?int/printFlag ?int/normType} {}}
            RelativeEnergyIncr {{real+/tol int+/maxIter ?int/printFlag ?int/normType} {}}
        }
        algorithm {
            Linear {{} {-initial {} -factorOnce {}}} Newton {{} {-initial {} -initialThenCurrent {}}}
            ModifiedNewton {{} {-initial {}}} KrylovNewton {{} {}} NewtonLineSearch {{?real/ratio} {}}
            BFGS {{?int/count} {}} Broyden {{?int/count} {}}
        }
        integrator {
            LoadControl {{real/dLambda ?int+/numIter ?real/minLambda ?real/maxLambda} {}}
            DisplacementControl {{node/nodeTag dof/dof real/incr ?int+/numIter ?real/dUmin ?real/dUmax} {}}
            Newmark {{real+/gamma real+/beta} {}}
            HHT {{real/alpha ?real+/gamma ?real+/beta} {}}
            CentralDifference {{} {}}
        }
        analysis { Static {{} {}} Transient {{} {}} VariableTransient {{} {}} }
    }
    variable staticIntegrators {LoadControl DisplacementControl}
}

proc ::chk::analysisCommand {family type args} {
    set ::chk::cmd "$family $type"
    set forms [dict get $::chk::analysisForms $family]
    if {![dict exists $forms $type]} {
        return [fail "unknown $family type '$type' (known: [join [dict keys $forms] {, }])"]
    }
    lassign [dict get $forms $type] spec opts
    set r [parseArgs $spec $opts $args]
    dict set ::chk::analysis $family $type
    if {$family eq "integrator"} {
        dict set ::chk::analysis integratorKind \
            [expr {$type in $::chk::staticIntegrators ? "Static" : "Transient"}]
        dict set ::chk::analysis integratorLine $::chk::line
        if {$type eq "DisplacementControl"} {
            set n [pos $r nodeTag]
            set d [pos $r dof]
            if {[nodeNdf $n] ne "" && [isInt $d] && $d > [nodeNdf $n]} { fail "node $n has no DOF $d" }
            dict set ::chk::analysis control [list $n $d $::chk::line]
        } else {
            dict set ::chk::analysis control {}
        }
    }
    if {$family eq "analysis"} {
        dict set ::chk::analysis type [expr {$type eq "Static" ? "Static" : "Transient"}]
    }
}

foreach family {constraints numberer system test algorithm integrator analysis} {
    proc ::chk::cmd_$family {args} [format {
        if {[llength $args] == 0} { set ::chk::cmd %1$s; return [fail "needs a type"] }
        ::chk::analysisCommand %1$s {*}$args
    } $family]
}

proc ::chk::cmd_analyze {args} {
    set r [parseArgs {int+/numIncr ?real+/dt ?real+/dtMin ?real+/dtMax ?int/Jd} {} $args]
    set a $::chk::analysis
    set type [dict get $a type]
    if {$type eq ""} { return [fail "no 'analysis Static|Transient' before it"] }
    set ikind [dict get $a integratorKind]
    if {$ikind ne "" && $ikind ne $type} {
        fail "analysis $type with integrator [dict get $a integrator] (line [dict get $a integratorLine])"
    }
    if {$type eq "Transient" && [pos $r dt] eq ""} { fail "a transient analysis needs the time step: analyze n dt" }
    checkModelConstraints 1
    domainChecks $type
    if {$type eq "Static" && [dict get $a integrator] eq "DisplacementControl"} {
        lassign [dict get $a control] n d lineNo
        if {[info exists ::chk::fixity($n)] && [isInt $d] && [lindex $::chk::fixity($n) $d-1] == 1} {
            fail "the control DOF $d of node $n is fixed (integrator at line $lineNo)"
        }
        set loads 0
        foreach p [array names ::chk::patterns] {
            if {[dict get $::chk::patterns($p) type] eq "Plain"} { incr loads [dict get $::chk::patterns($p) loads] }
        }
        if {$loads == 0} { fail "DisplacementControl needs a pattern Plain with loads as its reference load" }
    }
    checkRecorders
}

proc ::chk::checkModelConstraints {forAnalyze} {
    set handler [dict get $::chk::analysis constraints]
    if {[llength $::chk::diaphragms]} {
        set rd "rigidDiaphragm (line [lindex $::chk::diaphragms 0 3])"
        if {$handler eq "Plain"} {
            fail "constraints Plain cannot enforce $rd; use Transformation"
        } elseif {$handler eq "" && $forAnalyze} {
            fail "no constraints command: OpenSees then uses Plain, which cannot enforce $rd"
        }
    }
    if {[dict get $::chk::analysis constraints] eq "Lagrange" && [string match *SPD [dict get $::chk::analysis system]]} {
        fail "constraints Lagrange gives an indefinite matrix; system [dict get $::chk::analysis system] needs a positive definite one"
    }
}

proc ::chk::cmd_eigen {args} {
    set solver ""
    if {[string match -* [lindex $args 0]]} {
        set args [lassign $args solver]
        if {$solver ni {-genBandArpack -symmBandLapack -fullGenLapack -standard -generalized}} {
            fail "unknown eigen solver '$solver'"
        }
    }
    set r [parseArgs {int+/numEigenvalues} {} $args]
    set n [pos $r numEigenvalues]
    if {![isInt $n] || $n < 1} { return {} }
    checkModelConstraints 0
    domainChecks eigen
    checkMass $n [expr {$solver eq "-fullGenLapack"}]
    if {$n > $::chk::eigenMax} { set ::chk::eigenMax $n }
    checkRecorders
    # fake eigenvalues: 1.0 2.0 ... n, positive and increasing
    set values {}
    for {set k 1} {$k <= $n} {incr k} { lappend values [format %.1f $k] }
    return $values
}

# Eigenvalues need mass; ARPACK finds no more modes than there are DOFs with mass.
proc ::chk::checkMass {n allModes} {
    set massDofs 0
    foreach tag [array names ::chk::masses] {
        set fix [expr {[info exists ::chk::fixity($tag)] ? $::chk::fixity($tag) : {}}]
        set k 0
        foreach m $::chk::masses($tag) {
            if {[isReal $m] && $m > 0 && [lindex $fix $k] != 1} { incr massDofs }
            incr k
        }
    }
    if {$::chk::otherMass} { return }
    if {$massDofs == 0} {
        return [fail "the model has no mass on a free DOF: no eigenvalues"]
    }
    if {!$allModes && $n > $massDofs} {
        fail "asks for $n modes but only $massDofs free DOFs carry mass"
    }
}

proc ::chk::cmd_rayleigh {args} {
    parseArgs {real0/alphaM real0/betaK real0/betaKinit real0/betaKcomm} {} $args
}

proc ::chk::cmd_loadConst {args} { parseArgs {} {-time real} $args }
proc ::chk::cmd_setTime {args} { parseArgs {real/time} {} $args }
proc ::chk::cmd_getTime {args} { parseArgs {} {} $args; return 0.0 }
proc ::chk::cmd_record {args} { parseArgs {} {} $args; checkRecorders }
# The modal properties of the modes of the last eigen (OpenSees 3.8).
proc ::chk::cmd_modalProperties {args} {
    parseArgs {} {-print {} -file any -unorm {}} $args
    if {$::chk::eigenMax == 0} { fail "needs the modes of an eigen before it" }
}
proc ::chk::cmd_wipeAnalysis {args} { parseArgs {} {} $args; resetAnalysis }
proc ::chk::cmd_nodeDisp {args} { parseArgs {node/nodeTag ?dof/dof} {} $args; return 0.0 }
proc ::chk::cmd_nodeEigenvector {args} {
    parseArgs {node/nodeTag int+/mode ?dof/dof} {} $args
    return 0.0
}

proc ::chk::cmd_remove {what args} {
    set ::chk::cmd "remove $what"
    switch -- $what {
        recorders { parseArgs {} {} $args; set ::chk::recorders {} }
        loadPattern - pattern {
            set r [parseArgs {ref:pattern/patternTag} {} $args]
            set t [pos $r patternTag]
            array unset ::chk::defs pattern,$t
            array unset ::chk::patterns $t
        }
        element {
            set r [parseArgs {ref:element/eleTag} {} $args]
            set t [pos $r eleTag]
            array unset ::chk::defs element,$t
            array unset ::chk::elems $t
        }
        node {
            set r [parseArgs {node/nodeTag} {} $args]
            set t [pos $r nodeTag]
            array unset ::chk::defs node,$t
            array unset ::chk::nodes $t
        }
        sp - recorder - timeSeries { }
        default { fail "unknown remove target '$what'" }
    }
}

# ------------------------------------------------------- stiffness of the model

# Before the first analysis: every DOF of every node must get stiffness from an element, a
# fix or a constraint tying it to such a DOF; otherwise the stiffness matrix is singular.
# A transient analysis also accepts DOFs that carry mass.
proc ::chk::domainChecks {kind} {
    if {$::chk::domainChecked} return
    set ::chk::domainChecked 1
    array set sup {}
    foreach tag [array names ::chk::elems] {
        set e $::chk::elems($tag)
        switch -- [dict get $e class] {
            beam - shell { set dofs {1 2 3 4 5 6} }
            truss { set dofs {1 2 3} }
            brick { set dofs {1 2 3} }
            zeroLength { set dofs [lmap d [dict get $e dirs] {if {![isInt $d]} continue; set d}] }
        }
        foreach n [dict get $e nodes] { foreach d $dofs { set sup($n,$d) 1 } }
    }
    foreach n [array names ::chk::fixity] {
        set d 0
        foreach f $::chk::fixity($n) { incr d; if {$f == 1} { set sup($n,$d) 1 } }
    }
    if {$kind eq "Transient"} {
        foreach n [array names ::chk::masses] {
            set d 0
            foreach m $::chk::masses($n) { incr d; if {[isReal $m] && $m > 0} { set sup($n,$d) 1 } }
        }
    }
    # Constraints share the stiffness of the DOFs they tie together.
    set groups {}
    foreach eq $::chk::equalDofs {
        lassign $eq rn cn dofs
        foreach d $dofs { lappend groups [list $d [list $rn $cn]] }
    }
    foreach rd $::chk::diaphragms {
        lassign $rd perp master slaves
        lappend groups [list [inPlaneDofs $perp] [concat [list $master] $slaves]]
    }
    set changed 1
    while {$changed} {
        set changed 0
        foreach g $groups {
            lassign $g dofs members
            set any 0
            foreach n $members { foreach d $dofs { if {[info exists sup($n,$d)]} { set any 1 } } }
            if {!$any} continue
            foreach n $members {
                foreach d $dofs { if {![info exists sup($n,$d)]} { set sup($n,$d) 1; set changed 1 } }
            }
        }
    }
    set bad {}
    foreach n [lsort -integer [array names ::chk::nodes]] {
        set free {}
        for {set d 1} {$d <= [nodeNdf $n]} {incr d} { if {![info exists sup($n,$d)]} { lappend free $d } }
        if {[llength $free]} { lappend bad [list $n $free] }
    }
    set saved $::chk::cmd
    foreach b [lrange $bad 0 9] {
        lassign $b n free
        set ::chk::cmd node
        fail "node $n has no stiffness in DOF [join $free { }] (no element, fix or constraint): the stiffness matrix is singular" \
            [dict get $::chk::nodes($n) line]
    }
    if {[llength $bad] > 10} {
        fail "[expr {[llength $bad] - 10}] more nodes have DOFs without stiffness" [dict get $::chk::nodes([lindex $bad 10 0]) line]
    }
    set ::chk::cmd $saved
}

# ------------------------------------------------- Tcl commands the script may use

proc ::chk::tcl_puts {args} {
    if {[lindex $args 0] eq "-nonewline"} { set args [lrange $args 1 end] }
    switch -- [llength $args] {
        1 { set chan stdout; set s [lindex $args 0] }
        2 { lassign $args chan s }
        default { return -code error {wrong # args: should be "puts ?-nonewline? ?channelId? string"} }
    }
    if {$chan ni {stdout stderr} && $chan ni $::chk::channels} {
        return -code error "can not find channel named \"$chan\""
    }
    if {$::chk::verbose && $chan in {stdout stderr}} { puts stderr "script: $s" }
    return
}

proc ::chk::tcl_open {name {access r} args} {
    if {![string match *w* $access] && ![string match *a* $access]} {
        return -code error "couldn't open \"$name\": the checker only fakes files opened for writing"
    }
    set chan "fakefile[incr ::chk::chanSeq]"
    lappend ::chk::channels $chan
    return $chan
}

proc ::chk::tcl_close {chan args} {
    set i [lsearch -exact $::chk::channels $chan]
    if {$i < 0} { return -code error "can not find channel named \"$chan\"" }
    set ::chk::channels [lreplace $::chk::channels $i $i]
    return
}

proc ::chk::tcl_flush {chan} {
    if {$chan ni {stdout stderr} && $chan ni $::chk::channels} {
        return -code error "can not find channel named \"$chan\""
    }
}

proc ::chk::tcl_fconfigure {chan args} { tcl_flush $chan }

proc ::chk::tcl_exit {args} { return -code error -errorcode {CHK EXIT} "exit" }

proc ::chk::tcl_unknown {name args} {
    incr ::chk::calls
    set ::chk::cmd $name
    fail "unknown command"
    return
}

# ------------------------------------------------------------- evaluation

proc ::chk::stub {name args} {
    variable calls
    incr calls
    set ::chk::cmd $name
    if {[lindex [info args ::chk::cmd_$name] 0] ne "args" && [llength $args] == 0} {
        return [fail "needs a type"]
    }
    set code [catch {cmd_$name {*}$args} result opts]
    if {$code == 1 && $::chk::errLine eq ""} {
        # not the script's error (those come from a body and set errLine): the checker's own
        puts stderr "checker error in '$name $args':\n[dict get $opts -errorinfo]"
    }
    return -options $opts $result
}

# Evaluates text in the child one complete command at a time, so that each command's
# line is known. firstLine is the line of the text's first character.
proc ::chk::evalLines {text firstLine} {
    variable child
    set lineNo [expr {$firstLine - 1}]
    set buf ""
    set start $firstLine
    set started 0
    set prev ""
    foreach l [split $text \n] {
        incr lineNo
        if {!$started} {
            set start $lineNo
            set buf $l
            set started 1
        } else {
            append buf \n $l
        }
        # Only a line with one of these characters (or after a backslash) can end an open
        # command: testing the others would make long bodies quadratic.
        if {$lineNo > $start && ![regexp {[\]\}"]} $l] && ![string match *\\ $prev]} {
            set prev $l
            continue
        }
        set prev $l
        if {![info complete $buf\n]} continue
        set started 0
        if {[string trim $buf] eq ""} continue
        set saved [list $::chk::line $::chk::text]
        set ::chk::line $start
        set ::chk::text $buf
        set code [catch {interp eval $child $buf} msg opts]
        lassign $saved ::chk::line ::chk::text
        if {$code == 1} {
            if {$::chk::errLine eq ""} { set ::chk::errLine $start }
            return -options $opts $msg
        }
        if {$code != 0} { return -options $opts $msg }
    }
    if {$started && [string trim $buf] ne ""} {
        set ::chk::errLine $start
        return -code error "missing close-brace, bracket or quote: the command starting here does not end"
    }
}

# A braced body of the command being evaluated: find where it starts in that command.
proc ::chk::evalBody {body} {
    set p [string first $body $::chk::text]
    set base $::chk::line
    if {$p >= 0} { incr base [regexp -all \n [string range $::chk::text 0 $p-1]] }
    evalLines $body $base
}

namespace eval ::chk {
    variable stubbed {
        wipe model node fix mass rigidDiaphragm equalDOF uniaxialMaterial nDMaterial section fiber
        patch layer geomTransf element pattern load sp eleLoad groundMotion imposedMotion timeSeries
        recorder constraints numberer system test algorithm integrator analysis analyze eigen
        rayleigh loadConst setTime getTime record modalProperties wipeAnalysis remove nodeDisp nodeEigenvector
    }
}

proc ::chk::makeChild {} {
    variable child [interp create -safe]
    foreach name {puts close flush} { interp hide $child $name }
    foreach name {puts open close flush fconfigure exit unknown} {
        interp alias $child $name {} ::chk::tcl_$name
    }
    foreach name $::chk::stubbed { interp alias $child $name {} ::chk::stub $name }
}

proc ::chk::report {} {
    variable problems
    variable missingRefs
    foreach m $missingRefs {
        lassign $m idx class tag
        if {[defined $class $tag]} {
            lset problems $idx 2 "[lindex $problems $idx 2] (it is defined later, at line $::chk::defs($class,$tag))"
        }
    }
    set k 0
    foreach p [lsort -integer -index 0 $problems] {
        if {[incr k] > $::chk::maxPrinted} {
            puts "... [expr {[llength $problems] - $::chk::maxPrinted}] more problems not shown"
            break
        }
        lassign $p lineNo cmdName reason
        if {$cmdName eq ""} { puts "FAIL line $lineNo: $reason" } else { puts "FAIL line $lineNo: $cmdName: $reason" }
    }
    set total 0
    dict for {kind v} $::chk::notes {
        lassign $v count first tags
        incr total $count
        set more [expr {$count > [llength $tags] ? " ..." : ""}]
        puts "NOTE: [noteText $kind] ($count times, first at line $first; tags [join $tags { }]$more)"
    }
    if {[llength $problems]} {
        puts "FAILED: [llength $problems] problems"
        return 1
    }
    puts "OK: $::chk::calls commands checked, $total notes"
    return 0
}

proc ::chk::noteText {kind} {
    set texts {
        fiber "a fibre names a uniaxialMaterial that no line defines"
        PlateFiber-nd "nDMaterial PlateFiber names an nDMaterial that no line defines"
    }
    if {[dict exists $texts $kind]} { return [dict get $texts $kind] }
    return $kind
}

proc ::chk::main {argv} {
    if {[lindex $argv 0] eq "-v"} {
        set ::chk::verbose 1
        set argv [lrange $argv 1 end]
    }
    if {[llength $argv] != 1} {
        puts stderr "usage: tclsh opensees_check.tcl ?-v? SCRIPT.tcl"
        return 2
    }
    set path [lindex $argv 0]
    if {[catch {open $path r} f]} {
        puts stderr "cannot read $path: $f"
        return 2
    }
    set text [read $f]
    close $f
    resetModel
    makeChild
    if {[catch {evalLines $text 1} msg opts]} {
        if {[dict get $opts -errorcode] ne {CHK EXIT}} {
            set ::chk::cmd ""
            fail "Tcl error: [lindex [split $msg \n] 0]" $::chk::errLine
        }
    }
    resolvePending
    checkRecorders
    set ::chk::cmd ""
    foreach rec $::chk::eigenModesRecorded {
        lassign $rec mode lineNo
        if {$mode > $::chk::eigenMax} {
            set ::chk::cmd "recorder Node"
            fail "records mode $mode but eigen computes [expr {$::chk::eigenMax ? "only $::chk::eigenMax" : "no"}] modes" $lineNo
        }
    }
    report
}

exit [::chk::main $argv]
