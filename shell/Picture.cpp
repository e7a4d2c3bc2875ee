#include "Picture.h"

#include "RuntimeError.h"

#include <QImage>

Picture Picture::fromResource(const std::string &name)
{
    QImage image(QString::fromStdString(name));
    if (image.isNull())
        throw RuntimeError(ErrorKind::FileNotFound, "no picture " + name + " in the program");
    return fromImage(image);
}

Picture Picture::fromImage(const QImage &image)
{
    Picture picture;
    picture.m_image = std::make_shared<const QImage>(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    return picture;
}

int Picture::width() const
{
    return m_image ? m_image->width() : 0;
}

int Picture::height() const
{
    return m_image ? m_image->height() : 0;
}

const QImage &Picture::image() const
{
    static const QImage none;
    return m_image ? *m_image : none;
}
