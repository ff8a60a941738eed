#include "common/PictureFileName.h"

#include <gtest/gtest.h>

TEST(PictureFileName, ClassWithRefusedCharactersReplacedAndTheHandleInHex) {
    EXPECT_EQ(orvex::PictureFileName(L"Notepad", 0x2004C), L"Notepad 0002004C.png");
    EXPECT_EQ(orvex::PictureFileName(L"a<b>c:d\"e/f\\g|h?i*j\tk", 1), L"a_b_c_d_e_f_g_h_i_j_k 00000001.png");
    EXPECT_EQ(orvex::PictureFileName(L"#32770", 0x123456789AB), L"#32770 00000123456789AB.png");
}
