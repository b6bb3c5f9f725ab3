// A test that patches a function the test program does not import fails.
#include "import_patch.h"

#include <gtest/gtest.h>

void MissingImport(const char *dll, const char *name)
{
    ADD_FAILURE() << "the test program does not import " << dll << "!" << name;
}
