#include "Picture.h"

#include "shell/layer/Backend.h"
#include "shell/layer/RuntimeError.h"

Picture Picture::fromResource(const std::string &name)
{
    std::shared_ptr<const Pixels> pixels = Backend::current().loadPicture(name);
    if (!pixels)
        throw RuntimeError(ErrorKind::FileNotFound, "no picture " + name + " in the program");
    return Picture(std::move(pixels));
}
