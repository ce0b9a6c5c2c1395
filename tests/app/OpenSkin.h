// The skin archive the build generated, open, with the reader the windows are built from.
#pragma once

#include "KVRStream.h"
#include "SkinEntries.h"
#include "TestSupport.h"

struct TOpenSkin {
  TKVResFileReader Archive{testsupport::ProgramDir() + QStringLiteral("/tesselo.dat")};
  TSkinReader Reader{Archive};
};
