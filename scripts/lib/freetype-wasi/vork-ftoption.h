/* Debian's options (its patches are applied to the source), less FreeType's
   own copy of zlib: with no system zlib it would still link one in for WOFF
   files, which the game never opens. */
#ifndef VORK_FTOPTION_H
#define VORK_FTOPTION_H
#include <freetype/config/ftoption.h>
#undef FT_CONFIG_OPTION_USE_ZLIB
#endif
