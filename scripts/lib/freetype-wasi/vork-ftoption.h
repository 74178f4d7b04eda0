/* Debian's options (its patches are applied to the source), less FreeType's
   own copy of zlib: with no system zlib it would still link one in for WOFF
   files, which the game never opens. The game's face is read from memory and
   a page has no environment, so the file streams and FREETYPE_PROPERTIES go
   too, and with them every file and environment call to the page. */
#ifndef VORK_FTOPTION_H
#define VORK_FTOPTION_H
#include <freetype/config/ftoption.h>
#undef FT_CONFIG_OPTION_USE_ZLIB
#undef FT_CONFIG_OPTION_ENVIRONMENT_PROPERTIES
#define FT_CONFIG_OPTION_DISABLE_STREAM_SUPPORT
#endif
