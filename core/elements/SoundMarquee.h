#pragma once
#include <string>

#include "core/dialogs/DialogBase.h"
#include "core/elements/AttributeRows.h"
#include "core/elements/ElementServices.h"

namespace razo {

class ElementRegistry;
struct BuildContext;

// The controls of the background sound and marquee dialogs.
namespace media {
enum Control : int {
    IdLoopTimes = 1156,
    IdInfiniteLoop = 1165,
    IdSoundSource = 1002,
    IdBrowse = 1003,
    IdAlign = 1029,
    IdBehaviour = 1162,
    IdDirection = 1163,
    IdHeight = 1057,
    IdHeightPercent = 1251,
    IdWidth = 1011,
    IdWidthPercent = 1252,
    IdHSpace = 1059,
    IdVSpace = 1012,
    IdScrollAmount = 1061,
    IdScrollDelay = 1013,
    IdColourName = 1229,
    IdColourNumber = 1042,
    IdColourSelect = 1231,
    IdColourSample = 1045,
};
} // namespace media

class CBackgroundSoundDialog : public DialogBase<CBackgroundSoundDialog> {
public:
    enum { IDD = 195 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CBackgroundSoundDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strLoopTimes;
    int m_bInfiniteLoop = 0;
    std::string m_strSource;
};

class CMarqueeDialog : public DialogBase<CMarqueeDialog> {
public:
    enum { IDD = 196 };
    static DialogTemplate MakeTemplate();
    static const TagRows<CMarqueeDialog>& Rows();
    void DoDataExchange(CDataExchange& dx) override;

    std::string m_strAlign;
    std::string m_strBehaviour;
    std::string m_strDirection;
    int m_bInfiniteLoop = 0;
    std::string m_strHeight;
    std::string m_strHSpace;
    std::string m_strLoopTimes;
    std::string m_strVSpace;
    std::string m_strWidth;
    std::string m_strScrollAmount;
    std::string m_strScrollDelay;
    std::string m_strColourName;
    std::string m_strColourNumber;
    int m_bHeightPercent = 0;
    int m_bWidthPercent = 0;
};

TagPair BuildBackgroundSound(const CBackgroundSoundDialog& dialog, const BuildContext& context);
TagPair BuildMarquee(const CMarqueeDialog& dialog);

// BGSOUND and MARQUEE.
void RegisterSoundMarqueeFamily(ElementRegistry& registry);

namespace messages {
inline constexpr const char* LoopCountWithInfiniteLoop = "You shouldn't specify this if looping infinitely.";
} // namespace messages

} // namespace razo
