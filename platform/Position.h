// Position.h: POSITION, the opaque iterator of the list and map classes.
// A null POSITION means "no element" (end of iteration).
#pragma once

struct PositionTag;
typedef PositionTag* POSITION;
