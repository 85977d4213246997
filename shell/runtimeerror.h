// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

namespace poniruka {

/// An error raised by a runtime service (overflow, a bad argument, a program
/// that cannot be started). Handlers do not catch it, except the one place that
/// traps on purpose; anywhere else it ends the program after a message.
class RuntimeError : public std::runtime_error
{
public:
    enum Code {
        InvalidProcedureCall = 5,
        Overflow = 6,
        FileNotFound = 53,
    };

    RuntimeError(Code code, const std::string &message) : std::runtime_error(message), m_code(code) { }

    /// The error with the runtime's own message for its code.
    static RuntimeError of(Code code);

    Code code() const { return m_code; }

private:
    Code m_code;
};

inline RuntimeError RuntimeError::of(Code code)
{
    switch (code) {
    case InvalidProcedureCall:
        return {code, "プロシージャの呼び出し、または引数が不正です。"};
    case Overflow:
        return {code, "オーバーフローしました。"};
    case FileNotFound:
        return {code, "ファイルが見つかりません。"};
    }
    return {code, "アプリケーション定義またはオブジェクト定義のエラーです。"};
}

} // namespace poniruka
