// TKVStrings is defined in its header; this unit gives its meta-object a home.
#include "KVCtrl.h"
