// support/exception.cpp
#include "support/exception.h"

namespace {

const char* MessageOf(ExceptionCode code) {
    switch (code) {
        case ExceptionCode::User:
            return "User Exception";
        case ExceptionCode::Resource:
            return "Resource Exception";
        case ExceptionCode::FileOpen:
            return "File Open Exception";
        case ExceptionCode::FileWrite:
            return "File Write Exception";
        case ExceptionCode::Stream:
            return "Stream Exception";
    }
    return "Exception";
}

}  // namespace

Exception::Exception(ExceptionCode code)
    : code_(static_cast<std::uint32_t>(code)), message_(MessageOf(code)) {}

Exception::~Exception() = default;
