#pragma once

#include <QColor>
#include <QImage>

// Pictures of the mini title bar's buttons, by icon id.
enum ButtonPicture : int {
    PictureRestore = 31633,
    PictureMinimise = 31634,
    PictureMaximise = 31635,
    PictureRollUp = 31636,
    PictureRollDown = 31637,
    PictureClose = 31638,
};

// The 3-D colours that take the place of the pictures' greys: RGB 128,128,128 becomes
// shadow, 192,192,192 face and 223,223,223 light.
struct ButtonGreys {
    QColor shadow;
    QColor face;
    QColor light;
};

// The picture as drawn, before its greys are replaced: 8 x 8 for the roll and close pictures,
// 32 x 32 for restore, minimise and maximise. Null for an unknown id.
QImage basePicture(int id);

// The picture at size x size with its greys replaced. Null for an unknown id or a size below 1.
QImage buttonPicture(int id, int size, const ButtonGreys& greys);
