// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures: named pictures drawn through their masks, scaled copies, and the
// cache of prepared pictures that the board view and the panels keep.
#pragma once

#include <QImage>
#include <QString>
#include <array>

#include "platform/drawing_context.h"
#include "platform/geometry.h"

// Copies the block of r's size from the picture's top-left corner to r.
void CopyPicture(platform::DrawingContext& target, const platform::Rect& r, const QImage& picture);

// Composites a named picture through its mask into r (which has the picture's
// own size): target = (target OR NOT mask) AND picture. With
// doubleResolution, the pair drawn at twice the size is used, into an r
// of that size.
void DrawMaskedPicture(platform::DrawingContext& target, const platform::Rect& r, const QString& pictureName,
                       const QString& maskName, bool doubleResolution = false);

// The same for a pair named by its common name: "COU0" draws "COU0BIT"
// through "COU0MASK".
void DrawNamedPicture(platform::DrawingContext& target, const platform::Rect& r, const QString& name,
                      bool doubleResolution = false);

// Makes `receiver` a new picture of size's width and height holding the
// source rectangle of `source`, stretched by dropping or repeating whole rows
// and columns, never blending.
void MakeScaledCopy(QImage& receiver, const platform::Rect& size, const QImage& source,
                    const platform::Rect& sourceRect);

// A fixed set of prepared pictures with their built flags.
template <int N>
struct PictureCache {
    std::array<QImage, N> pictures;
    std::array<bool, N> built{};

    void Discard(int index)
    {
        pictures[static_cast<size_t>(index)] = QImage();
        built[static_cast<size_t>(index)] = false;
    }
    void DiscardAll()
    {
        for (int i = 0; i < N; ++i)
            Discard(i);
    }
};
