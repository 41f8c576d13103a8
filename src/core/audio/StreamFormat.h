#pragma once

#include <QtGlobal>

// Wave format tags the audio components know.
namespace format_tag {
inline constexpr int Pcm = 1;
inline constexpr int Gsm610 = 49;
} // namespace format_tag

// What a stream of audio data is: PCM samples or codec blocks.
struct StreamFormat
{
    int formatTag = format_tag::Pcm;
    int sampleRate = 8000;
    int channels = 1;
    int bitsPerSample = 16; // PCM only

    int bytesPerFrame() const { return channels * bitsPerSample / 8; }
    friend bool operator==(const StreamFormat &, const StreamFormat &) = default;
};
