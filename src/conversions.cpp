// The library: the routines of conversions.h, compiled once. Their
// definitions are in conversions-inl.h, which header-only mode compiles
// inline into its users instead.
#define CONVERSIONS_DEFINE_ROUTINES
#include "conversions.h"
