#include "reactions/ResultsText.h"
#include "support/RecordingForm.h"

#include <gtest/gtest.h>

namespace {

TEST(ResultsText, BoxesThatHoldAValueInWindowOrder)
{
    RecordingForm form;
    form.texts[TextBox::Text_T2T1] = "1.17015";
    form.texts[TextBox::Text_M1] = "2abc";         // as the box shows it, not as it reads
    form.texts[TextBox::Text_Beta].assign(1, ' '); // blanked by the output choice: no value
    form.texts[TextBox::Text_Teta] = "";
    form.texts[TextBox::Text_Mn1] = "1\t2\n3"; // a pasted text must not split the row
    EXPECT_EQ(ResultsText(form), "M1\t2abc\nMn1\t1 2 3\nMn2\t1\nM2\t1\np2/p1\t1\nT2/T1\t1.17015\n");
}

} // namespace
