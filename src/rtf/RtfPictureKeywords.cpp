#include "rtf/RtfParser.h"

#include <algorithm>

namespace veldra::rtf
{

// The properties of a \pict group.
void RtfParser::pictureKeyword(const RtfKeywordInfo &kw, int param)
{
    if (m_cur.dest != Dest::Picture)
        return;
    const int value = std::clamp(param, 0, 1000000);
    switch (kw.keyword) {
    case RtfKeyword::PictureFormat:
        m_picture.format = RtfPictureData::Format(kw.ch);
        break;
    case RtfKeyword::PictureWidth:
        m_picture.width = value;
        break;
    case RtfKeyword::PictureHeight:
        m_picture.height = value;
        break;
    case RtfKeyword::PictureGoalWidth:
        m_picture.goalWidth = value;
        break;
    case RtfKeyword::PictureGoalHeight:
        m_picture.goalHeight = value;
        break;
    case RtfKeyword::PictureScaleX:
        m_picture.scaleX = value;
        break;
    case RtfKeyword::PictureScaleY:
        m_picture.scaleY = value;
        break;
    default:
        break;
    }
}

// The end of a \pict group: the picture goes where it stood in the text.
void RtfParser::endPicture()
{
    if (m_cur.dest != Dest::Text || m_cur.hidden)
        return;
    const QTextImageFormat format = m_pictures.add(m_picture);
    m_picture = RtfPictureData();
    beginContent();
    startCell();
    m_rowEnded = false;
    m_out.picture(format);
}

} // namespace veldra::rtf
