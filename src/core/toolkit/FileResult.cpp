#include "core/toolkit/FileResult.h"

#include "core/toolkit/Cp932.h"
#include "core/toolkit/FileStore.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>
#include <cstring>

namespace vora {

namespace {

// The user's texts keep the translation contexts they have always had: the file layer's, and
// the code page's for a character it cannot hold. vora-data's causes have their own context,
// since the same Japanese can stand for a different English there.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(FileStore)
};
struct CodePageTexts {
    Q_DECLARE_TR_FUNCTIONS(Cp932)
};
struct ToolTexts {
    Q_DECLARE_TR_FUNCTIONS(FileResult)
};

QString toolSystemErrorText(int error);

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString inMiB(qint64 bytes)
{
    return QString::number(bytes / (1024 * 1024));
}

QString userText(const FileResult &r)
{
    const QString file = shown(r.path);
    const auto writeFailed = [&file](const QString &reason) {
        return Texts::tr("ファイル「%1」に書き込めませんでした。\r\n理由：%2").arg(file, reason);
    };
    switch (r.code) {
    case FileError::None: return QString();
    case FileError::Missing: return Texts::tr("ファイル「%1」が見つかりません。").arg(file);
    case FileError::Folder: return Texts::tr("「%1」はファイルではなくフォルダです。").arg(file);
    case FileError::NotRegular:
        return Texts::tr("「%1」は通常のファイルではありません（パイプや装置など）。").arg(file);
    case FileError::TooLarge:
        return Texts::tr("ファイル「%1」は大きすぎるため読み込みませんでした（%2 MBを超えています）。")
            .arg(file, inMiB(kMaxTextFileBytes));
    case FileError::PictureTooLarge:
        return Texts::tr("ファイル「%1」は大きすぎるため使えません（%2 MBを超えています）。")
            .arg(file, inMiB(kMaxPictureBytes));
    case FileError::Unreadable:
        return Texts::tr("ファイル「%1」を読めませんでした。\r\n理由：%2")
            .arg(file, systemErrorText(r.error, Audience::User));
    case FileError::NotWritten:
        return writeFailed(r.error || r.detail.isEmpty() ? systemErrorText(r.error, Audience::User) : r.detail);
    case FileError::FolderInPlace: return writeFailed(Texts::tr("同じ名前のフォルダがあります"));
    case FileError::OtherInPlace:
        return writeFailed(Texts::tr("同じ名前で、通常のファイルではないもの（パイプや装置など）があります"));
    case FileError::LockNotRegular:
        return writeFailed(Texts::tr("ロック用のファイル「%1」が通常のファイルではありません").arg(shown(r.detail)));
    case FileError::LockNotMade:
        return writeFailed(Texts::tr("ロック用のファイル「%1」を作れませんでした（%2）")
                               .arg(shown(r.detail), systemErrorText(r.error, Audience::User)));
    case FileError::LockBusy:
        return writeFailed(Texts::tr("別のVORAがこのファイルに書き込んでいます。少し待ってからもう一度試してください"));
    case FileError::FileInPlaceOfFolder:
        return Texts::tr("フォルダ「%1」を作れませんでした。\r\n理由：同じ名前のファイルがあります").arg(file);
    case FileError::FolderNotMade:
        return Texts::tr("フォルダ「%1」を作れませんでした。\r\n理由：%2")
            .arg(file, systemErrorText(r.error, Audience::User));
    case FileError::Unencodable:
        return CodePageTexts::tr("保存できない文字が含まれています（「%1」）。\r\n"
                                 "この文字を別の文字に置き換えてから、もう一度保存してください。")
            .arg(r.detail);
    case FileError::Refused: return r.message;
    }
    return r.message;
}

QString toolText(const FileResult &r)
{
    switch (r.code) {
    case FileError::None: return QString();
    case FileError::Missing: return ToolTexts::tr("ファイルがありません");
    case FileError::Folder: return ToolTexts::tr("フォルダです");
    case FileError::NotRegular: return ToolTexts::tr("通常のファイルではありません（パイプや装置など）");
    case FileError::TooLarge:
        return ToolTexts::tr("ファイルが大きすぎます（%1 MiB を超えています）").arg(inMiB(kMaxTextFileBytes));
    case FileError::PictureTooLarge:
        return ToolTexts::tr("ファイルが大きすぎます（%1 MiB を超えています）").arg(inMiB(kMaxPictureBytes));
    case FileError::Unreadable: return ToolTexts::tr("読めません（%1）").arg(systemErrorText(r.error, Audience::Tool));
    case FileError::NotWritten:
        return r.error || r.detail.isEmpty() ? systemErrorText(r.error, Audience::Tool) : r.detail;
    case FileError::FolderInPlace: return ToolTexts::tr("同じ名前のフォルダがあります");
    case FileError::OtherInPlace:
        return ToolTexts::tr("同じ名前で、通常のファイルではないもの（パイプや装置など）があります");
    case FileError::LockNotRegular:
        return ToolTexts::tr("ロック用のファイル %1 が通常のファイルではありません").arg(r.detail);
    case FileError::LockNotMade:
        return ToolTexts::tr("ロック用のファイル %1 を作れません（%2）")
            .arg(r.detail, systemErrorText(r.error, Audience::Tool));
    case FileError::LockBusy:
        return ToolTexts::tr("別のプログラムが書き込んでいます。少し待ってからもう一度試してください");
    case FileError::FileInPlaceOfFolder: return ToolTexts::tr("フォルダを作れません（同じ名前のファイルがあります）");
    case FileError::FolderNotMade:
        return ToolTexts::tr("フォルダを作れません（%1）").arg(systemErrorText(r.error, Audience::Tool));
    case FileError::Unencodable:
        return ToolTexts::tr("Windows の日本語の文字コード（CP932）で保存できない文字があります（%1）").arg(r.detail);
    case FileError::Refused: return QString(r.message).replace(CRLF, QStringLiteral(" "));
    }
    return r.message;
}

// vora-data's cause of a system error. Its English is the C library's own text (strerror in
// the C locale), as vora-data has always printed it; other languages say it in their words.
QString toolSystemErrorText(int error)
{
    switch (error) {
    case 0: return ToolTexts::tr("原因のわからないエラーです");
    case ENOSPC: return ToolTexts::tr("ディスクの空き容量が足りません");
    case EDQUOT: return ToolTexts::tr("ディスクの使用量の上限（クォータ）に達しています");
    case EACCES: return ToolTexts::tr("アクセスする権限がありません");
    case EPERM: return ToolTexts::tr("この操作は許されていません");
    case EROFS: return ToolTexts::tr("読み取り専用の場所です");
    case EIO: return ToolTexts::tr("ディスクの読み書きに失敗しました（入出力エラー）");
    case ENOENT: return ToolTexts::tr("ファイルかフォルダが見つかりません");
    case ENOTDIR: return ToolTexts::tr("パスの途中がフォルダではありません");
    case EISDIR: return ToolTexts::tr("フォルダです", "EISDIR");
    case EFBIG: return ToolTexts::tr("ファイルが大きすぎます");
    default: return ToolTexts::tr("システムのエラーです（%1）").arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

} // namespace

FileResult FileResult::failure(const QString &message)
{
    FileResult r;
    r.ok = false;
    r.code = FileError::Refused;
    r.message = message;
    return r;
}

FileResult FileResult::failure(FileError code, const QString &path, int error, const QString &detail)
{
    FileResult r;
    r.ok = code == FileError::None;
    r.code = code;
    r.error = error;
    r.path = path;
    r.detail = detail;
    r.message = userText(r);
    return r;
}

QString FileResult::text(Audience audience) const
{
    return audience == Audience::User ? userText(*this) : toolText(*this);
}

QString systemErrorText(int error, Audience audience)
{
    if (audience == Audience::Tool)
        return toolSystemErrorText(error);
    switch (error) {
    case 0: return Texts::tr("原因のわからないエラーです");
    case ENOSPC: return Texts::tr("ディスクの空き容量が足りません");
    case EDQUOT: return Texts::tr("ディスクの使用量の上限（クォータ）に達しています");
    case EACCES:
    case EPERM: return Texts::tr("アクセスする権限がありません");
    case EROFS: return Texts::tr("読み取り専用の場所です");
    case EIO: return Texts::tr("ディスクの読み書きに失敗しました（入出力エラー）");
    case ENOENT:
    case ENOTDIR: return Texts::tr("フォルダが見つかりません");
    case EISDIR: return Texts::tr("同じ名前のフォルダがあります");
    default: return Texts::tr("システムのエラーです（%1）").arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

} // namespace vora
