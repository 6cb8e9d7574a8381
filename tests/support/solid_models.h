#pragma once

#include <string>

namespace vek::testing {

// Two bricks side by side on joints 1..12, and nothing else: no frame, shell or material
// table, so their material tag 100 names no material of the file. Joint 12 carries a load.
inline const std::string bricksOnly =
    "SYSTEM\n  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=mm  FORCE=N\n\n"
    "JOINT\n"
    "  1  X=0  Y=0  Z=0\n  2  X=1000  Y=0  Z=0\n  3  X=2000  Y=0  Z=0\n"
    "  4  X=0  Y=1000  Z=0\n  5  X=1000  Y=1000  Z=0\n"
    "  6  X=2000  Y=1000  Z=0\n"
    "  7  X=0  Y=0  Z=1000\n  8  X=1000  Y=0  Z=1000\n"
    "  9  X=2000  Y=0  Z=1000\n  10  X=0  Y=1000  Z=1000\n"
    "  11  X=1000  Y=1000  Z=1000\n  12  X=2000  Y=1000  Z=1000\n\n"
    "RESTRAINT\n"
    "  ADD=1  DOF=U1,U2,U3\n  ADD=2  DOF=U1,U2,U3\n"
    "  ADD=3  DOF=U1,U2,U3\n  ADD=4  DOF=U1,U2,U3\n"
    "  ADD=5  DOF=U1,U2,U3\n  ADD=6  DOF=U1,U2,U3\n\n"
    "SOLID\n"
    "  1  J=1,2,4,5,7,8,10,11  SEC=100\n"
    "  2  J=2,3,5,6,8,9,11,12  SEC=100\n\n"
    "LOAD\n  NAME=PUSH\n    TYPE=FORCE\n      ADD=12  UX=500\n\n";

} // namespace vek::testing
