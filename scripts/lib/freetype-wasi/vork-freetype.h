/* Read first by every FreeType source in the browser's build
   (scripts/lib/web-libraries.sh): it puts the module list and the
   options below in place of FreeType's own. */
#define FT_CONFIG_MODULES_H "vork-ftmodule.h"
#define FT_CONFIG_OPTIONS_H "vork-ftoption.h"
