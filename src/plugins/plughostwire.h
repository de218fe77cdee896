#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What the plug-in helper zuk-plughost and the program that runs it say to
// each other. The helper is started as
//
//     zuk-plughost version LIBRARY SECONDS
//     zuk-plughost handle LIBRARY HANDLE SECONDS CAP LENGTH
//
// (SECONDS: the helper ends itself after that long, should its caller be gone;
// HANDLE: the decimal value handed to HandleData; CAP: the longest result in
// bytes; LENGTH: the length of the text, so that it is read into one buffer).
// For "handle" the text comes on its standard input. Its answer on
// standard output is one frame: "ZPH1", a status byte, the length of the
// payload as 8 bytes little-endian, the payload. For Ok the payload is the
// plug-in's name or its result text, for CannotLoad the loader's reason, for
// the others nothing. A helper that dies or ends without a whole frame has
// given no answer.
namespace zuk::plugins::wire {

enum class Status : std::uint8_t {
    Ok = 0,
    CannotLoad = 1,
    NoVersionInfo = 2,
    NoHandleData = 3,
    NullResult = 4, // the name or the result was a null pointer
    TooLong = 5,    // the result was longer than CAP
    BadRequest = 6, // the arguments were not as above
};

inline constexpr std::string_view kMagic = "ZPH1";
inline constexpr std::size_t kHeaderSize = 13;
inline constexpr std::string_view kVersionMode = "version";
inline constexpr std::string_view kHandleMode = "handle";

std::string encodeHeader(Status status, std::uint64_t payloadLength);

struct Answer {
    Status status = Status::BadRequest;
    std::string_view payload; // a part of the bytes parsed
};

enum class Parse { Incomplete, Complete, Malformed };
// Reads one frame from the start of `bytes`. Complete fills `answer`;
// Malformed is anything that cannot be a frame (another magic, an unknown
// status, a payload longer than `maxPayload` or bytes after the frame).
Parse parseAnswer(std::string_view bytes, std::uint64_t maxPayload, Answer& answer);

} // namespace zuk::plugins::wire
