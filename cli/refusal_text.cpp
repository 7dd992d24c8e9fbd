#include "refusal_text.h"

#include <array>

namespace velmora::cli {

namespace {

using planning::Subject;

struct SubjectWords {
    Subject subject;
    const char* option;
    const char* ways; // how to give a figure, or where to list names; may be empty
};

constexpr std::array kWords = {
    SubjectWords {Subject::Aperture, "--aperture", "--aperture, --telescope, or --fits with APTDIA"},
    SubjectWords {Subject::FocalLength, "--focal-length", "--focal-length, --telescope, or --fits with FOCALLEN"},
    SubjectWords {Subject::PixelSize, "--pixel-size", "--pixel-size, --camera, or --fits with XPIXSZ"},
    SubjectWords {Subject::Width, "--width", "--width, --camera or --fits"},
    SubjectWords {Subject::Height, "--height", "--height, --camera or --fits"},
    SubjectWords {Subject::Telescope, "--telescope", "telescopes"},
    SubjectWords {Subject::Camera, "--camera", "cameras"},
    SubjectWords {Subject::Lens, "--lens", "lenses"},
    SubjectWords {Subject::Catalogue, "--catalogue", ""},
    SubjectWords {Subject::Fits, "--fits", ""},
    SubjectWords {Subject::Binning, "--binning", ""},
    SubjectWords {Subject::Overlap, "--overlap", ""},
    SubjectWords {Subject::Target, "--target", ""},
    SubjectWords {Subject::Suggest, "--suggest", ""},
    SubjectWords {Subject::Frame, "--frame", ""},
    SubjectWords {Subject::Obstruction, "--obstruction", ""},
    SubjectWords {Subject::Gain, "--gain", "--gain"},
    SubjectWords {Subject::RankBy, "--rank-by", ""},
};

const SubjectWords& wordsFor(Subject subject)
{
    for (const SubjectWords& words : kWords) {
        if (words.subject == subject)
            return words;
    }
    throw std::logic_error("a refusal's subject has no words");
}

} // namespace

std::string refusalText(const planning::Refusal& refusal)
{
    const SubjectWords& words = wordsFor(refusal.subject());
    if (refusal.missing())
        return std::string(refusal.what()) + ": give " + words.ways;
    const bool namesEquipment = refusal.subject() == Subject::Telescope || refusal.subject() == Subject::Camera ||
        refusal.subject() == Subject::Lens;
    return std::string(words.option) + ": " + refusal.what() +
        (namesEquipment ? std::string("; see --list ") + words.ways : std::string());
}

} // namespace velmora::cli
