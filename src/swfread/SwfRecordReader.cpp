#include "swfread/SwfRecordReader.h"

namespace brindlecast::swfread
{

SwfRect readRect(SwfBitReader& reader)
{
    reader.alignToByte();
    SwfRect rect;
    rect.bits = reader.readBits(5);
    rect.xmin = reader.readSignedBits(rect.bits);
    rect.xmax = reader.readSignedBits(rect.bits);
    rect.ymin = reader.readSignedBits(rect.bits);
    rect.ymax = reader.readSignedBits(rect.bits);
    reader.alignToByte();
    return rect;
}

SwfMatrix readMatrix(SwfBitReader& reader)
{
    reader.alignToByte();
    SwfMatrix matrix;
    matrix.hasScale = reader.readFlag();
    if (matrix.hasScale) {
        matrix.scaleBits = reader.readBits(5);
        matrix.scaleX = reader.readSignedBits(matrix.scaleBits);
        matrix.scaleY = reader.readSignedBits(matrix.scaleBits);
    }
    matrix.hasRotate = reader.readFlag();
    if (matrix.hasRotate) {
        matrix.rotateBits = reader.readBits(5);
        matrix.rotateSkew0 = reader.readSignedBits(matrix.rotateBits);
        matrix.rotateSkew1 = reader.readSignedBits(matrix.rotateBits);
    }
    matrix.translateBits = reader.readBits(5);
    matrix.translateX = reader.readSignedBits(matrix.translateBits);
    matrix.translateY = reader.readSignedBits(matrix.translateBits);
    reader.alignToByte();
    return matrix;
}

SwfColor readRgb(SwfBitReader& reader)
{
    SwfColor color;
    color.red = reader.readU8();
    color.green = reader.readU8();
    color.blue = reader.readU8();
    return color;
}

SwfColorTransform readColorTransformWithAlpha(SwfBitReader& reader)
{
    reader.alignToByte();
    SwfColorTransform transform;
    transform.hasAdd = reader.readFlag();
    transform.hasMult = reader.readFlag();
    transform.bits = reader.readBits(4);
    if (transform.hasMult) {
        transform.redMult = reader.readSignedBits(transform.bits);
        transform.greenMult = reader.readSignedBits(transform.bits);
        transform.blueMult = reader.readSignedBits(transform.bits);
        transform.alphaMult = reader.readSignedBits(transform.bits);
    }
    if (transform.hasAdd) {
        transform.redAdd = reader.readSignedBits(transform.bits);
        transform.greenAdd = reader.readSignedBits(transform.bits);
        transform.blueAdd = reader.readSignedBits(transform.bits);
        transform.alphaAdd = reader.readSignedBits(transform.bits);
    }
    reader.alignToByte();
    return transform;
}

} // namespace brindlecast::swfread
