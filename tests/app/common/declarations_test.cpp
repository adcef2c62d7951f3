// Every browse the program declares is sound: each list format's queue numbers name declared
// fields, colours only where the field has them, and every locator prompt has its field.
#include "app/shell/declarations.h"
#include "framework/browsedeclaration.h"

#include <gtest/gtest.h>

TEST(DeclarationsTest, EveryDeclaredBrowseIsSound)
{
    EXPECT_GE(app::declaredBrowses().size(), 6u);
    for (const std::string &fault : app::checkDeclarations())
        ADD_FAILURE() << fault;
}
