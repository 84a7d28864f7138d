#pragma once
// Plain macros: the resource compiler reads this file too.
#define ZORBEL_VERSION_MAJOR 1
#define ZORBEL_VERSION_MINOR 1
#define ZORBEL_VERSION_REVISION 4
#define ZORBEL_VERSION_TEXT "1.1.4"  // the three numbers above, as every caption shows them
#define ZORBEL_PRODUCT_NAME "ZORBEL"
