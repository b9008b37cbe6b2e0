#include "core/mainwindow/MainTexts.h"

#include "core/registry/Conditions.h"
#include "core/registry/NameList.h"
#include "core/toolkit/Cp932.h"

namespace vora {

QString conditionMessage(int box)
{
    return box == 1 ? QStringLiteral("刺激や当り表示を選択してください")
                    : QStringLiteral("刺激や当りの表示を選択してください");
}

QString lengthMessage(int box)
{
    return box == 1 ? QStringLiteral("実験名は10文字以下にしてください。")
                    : QStringLiteral("実験名が10文字以上です。変更してください。");
}

QString nameInUseMessage(const QString &name, int box)
{
    return QStringLiteral("実験名「%1」はボックス%2にすでに登録されています。\r\n"
                          "実験名は５つのボックスで同じものは使えません。別の実験名を入力してください。")
        .arg(name)
        .arg(box);
}

QString unreadableListMessage(int box, const QString &why)
{
    return QStringLiteral(
               "実験名の一覧のファイル（%1）を読めなかったため、このボックスでは実験名の登録や削除ができません。\r\n"
               "ファイルを確かめてから、プログラムを起動し直してください。\r\n\r\n")
               .arg(nameListFileName(box))
           + why;
}

QString deleteNameQuestion()
{
    return QStringLiteral("実験名を削除します");
}

QString damagedDataMessage()
{
    return QStringLiteral("データの一部が破損または改竄の可能性があります。このデータは利用できません。");
}

QString runLimitMessage()
{
    return QStringLiteral(
        "実験できません。\r\n\r\n１つの実験名では100ランまでです。\r\n\r\n他の実験名で実験できます。");
}

QString selectionConditionsText(const QString &stimulusCode, const QString &hitDisplayCode)
{
    return conditionsDescription(stimulusCode, hitDisplayCode) + QStringLiteral("　(保存データ；正常)");
}

QString nameInTwoBoxesMessage(const QString &name, int firstBox, int box)
{
    return QStringLiteral(
               "実験名「%1」はボックス%2にも別の条件で登録されているため、ボックス%3からは実験を開始できません。\r\n"
               "実験名は５つのボックスで同じものは使えません。\r\n"
               "ボックス%3の実験名を削除して、別の実験名で登録し直してください。")
        .arg(name)
        .arg(firstBox)
        .arg(box);
}

QString guidanceText()
{
    static const char *const lines[] = {
        "◆実験名の設定に関して◆",
        "",
        "1.実験名を新規登録する、または選択してください。",
        "2.実験名はアルファベットと数字で10文字以内で入力してください。",
        "　実験名は被験者の省略名と実験開始の年月日を推薦。例；Yama090425",
        "　Enterキーを押せば登録される。",
        "3.「刺激の大中小無」も指定してください。",
        "4.「当り表示」も指定してください。",
        "　※3と4は実験名の登録時点のみ指定できます。",
        "5.プルダウンメニューで設定済みの実験名を呼び出せます。",
        "　実験名の削除；呼出し⇒消去⇒Enterキーで表示されなくなる。",
        "　ただし、実験データのファイル自体は削除されずに残っている。",
        "6.実験名は100ランの実験が終了するまで同じものを使います｡ ",
        "　参考；１つの実験＝100ラン、１ラン＝100試行(入力)",
        "7.横に５つのボックスがあるので、被験者ごとの利用などに使えます。",
        "　注意；実験名は５つのボックスで同じものは使えない。",
    };
    QString text;
    for (const char *line : lines)
        text += QString::fromUtf8(line) + CRLF;
    return text;
}

QString promptText()
{
    return QStringLiteral(" 実験名を指定してください ");
}

} // namespace vora
