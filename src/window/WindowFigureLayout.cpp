#include "window/WindowFigureLayout.h"

#include "layout/Form1Table.h"
#include "look/Fonts.h"
#include "window/PictureBox.h"
#include "window/Twips.h"

#include <algorithm>
#include <string_view>

namespace {

QRect TableRect(std::string_view name)
{
    return TwipsToPixels(std::ranges::find(Form1Table, name, &ControlRow::name)->twips);
}

} // namespace

FigureLayout WindowFigureLayout()
{
    const QRect picture = TableRect("Picture1");
    return {picture.size() - QSize(2 * PictureBorderWidth, 2 * PictureBorderWidth),
            TableRect("Label_Teta"), TableRect("Label_Beta"), DialogFont(), GreekFont()};
}
