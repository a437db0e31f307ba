// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/pictures.h"

#include "platform/resources.h"

void CopyPicture(platform::DrawingContext& target, const platform::Rect& r, const QImage& picture)
{
    target.CopyImage(r, picture);
}

void DrawMaskedPicture(platform::DrawingContext& target, const platform::Rect& r, const QString& pictureName,
                       const QString& maskName, bool doubleResolution)
{
    const QImage mask = platform::LoadNamedPicture(maskName, doubleResolution);
    const QImage picture = platform::LoadNamedPicture(pictureName, doubleResolution);
    // target | ~mask: the opaque part (black in the mask) turns white, the
    // transparent part (white in the mask) keeps its colour.
    target.Combine(r, mask, QPainter::RasterOp_NotSourceOrDestination);
    // target & picture: white pixels now take the picture's colour, and the
    // picture is white wherever the mask is, so the rest is unchanged.
    target.Combine(r, picture, QPainter::RasterOp_SourceAndDestination);
}

void DrawNamedPicture(platform::DrawingContext& target, const platform::Rect& r, const QString& name,
                      bool doubleResolution)
{
    DrawMaskedPicture(target, r, name + QStringLiteral("BIT"), name + QStringLiteral("MASK"), doubleResolution);
}

void MakeScaledCopy(QImage& receiver, const platform::Rect& size, const QImage& source,
                    const platform::Rect& sourceRect)
{
    receiver = QImage();
    if (size.IsEmpty() || sourceRect.IsEmpty() || source.isNull())
        return;
    // Nearest-pixel scaling repeats or drops whole rows and columns and never
    // mixes neighbouring colours; a copy to the same size is returned as is.
    receiver = source.copy(sourceRect.ToQRect())
                   .scaled(size.Width(), size.Height(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
