#include "core/mainwindow/MainTexts.h"

#include "core/registry/Conditions.h"
#include "core/registry/NameList.h"
#include "core/toolkit/Cp932.h"

#include <QCoreApplication>

namespace vora {

namespace {
// The texts of this file, under the translation context "MainTexts".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(MainTexts)
};
} // namespace

QString conditionMessage(int box)
{
    return box == 1 ? Texts::tr("刺激や当り表示を選択してください") : Texts::tr("刺激や当りの表示を選択してください");
}

QString lengthMessage(int box)
{
    return box == 1 ? Texts::tr("実験名は10文字以下にしてください。")
                    : Texts::tr("実験名が10文字以上です。変更してください。");
}

QString nameInUseMessage(const QString &name, int box)
{
    return Texts::tr("実験名「%1」はボックス%2にすでに登録されています。\r\n"
                     "実験名は５つのボックスで同じものは使えません。別の実験名を入力してください。")
        .arg(name)
        .arg(box);
}

QString unreadableListMessage(int box, const QString &why)
{
    return Texts::tr(
               "実験名の一覧のファイル（%1）を読めなかったため、このボックスでは実験名の登録や削除ができません。\r\n"
               "ファイルを確かめてから、プログラムを起動し直してください。\r\n\r\n")
               .arg(nameListFileName(box))
           + why;
}

QString deleteNameQuestion()
{
    return Texts::tr("実験名を削除します");
}

QString damagedDataMessage()
{
    return Texts::tr("データの一部が破損または改竄の可能性があります。このデータは利用できません。");
}

QString runLimitMessage()
{
    return Texts::tr("実験できません。\r\n\r\n１つの実験名では100ランまでです。\r\n\r\n他の実験名で実験できます。");
}

QString selectionConditionsText(const QString &stimulusCode, const QString &hitDisplayCode)
{
    return conditionsDescription(stimulusCode, hitDisplayCode) + Texts::tr("　(保存データ；正常)");
}

QString nameInTwoBoxesMessage(const QString &name, int firstBox, int box)
{
    return Texts::tr(
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
        QT_TRANSLATE_NOOP("MainTexts", "◆実験名の設定に関して◆"),
        "",
        QT_TRANSLATE_NOOP("MainTexts", "1.実験名を新規登録する、または選択してください。"),
        QT_TRANSLATE_NOOP("MainTexts", "2.実験名はアルファベットと数字で10文字以内で入力してください。"),
        QT_TRANSLATE_NOOP("MainTexts", "　実験名は被験者の省略名と実験開始の年月日を推薦。例；Yama090425"),
        QT_TRANSLATE_NOOP("MainTexts", "　Enterキーを押せば登録される。"),
        QT_TRANSLATE_NOOP("MainTexts", "3.「刺激の大中小無」も指定してください。"),
        QT_TRANSLATE_NOOP("MainTexts", "4.「当り表示」も指定してください。"),
        QT_TRANSLATE_NOOP("MainTexts", "　※3と4は実験名の登録時点のみ指定できます。"),
        QT_TRANSLATE_NOOP("MainTexts", "5.プルダウンメニューで設定済みの実験名を呼び出せます。"),
        QT_TRANSLATE_NOOP("MainTexts", "　実験名の削除；呼出し⇒消去⇒Enterキーで表示されなくなる。"),
        QT_TRANSLATE_NOOP("MainTexts", "　ただし、実験データのファイル自体は削除されずに残っている。"),
        QT_TRANSLATE_NOOP("MainTexts", "6.実験名は100ランの実験が終了するまで同じものを使います｡ "),
        QT_TRANSLATE_NOOP("MainTexts", "　参考；１つの実験＝100ラン、１ラン＝100試行(入力)"),
        QT_TRANSLATE_NOOP("MainTexts", "7.横に５つのボックスがあるので、被験者ごとの利用などに使えます。"),
        QT_TRANSLATE_NOOP("MainTexts", "　注意；実験名は５つのボックスで同じものは使えない。"),
    };
    QString text;
    for (const char *line : lines)
        text += (*line ? Texts::tr(line) : QString()) + CRLF;
    return text;
}

QString promptText()
{
    return Texts::tr(" 実験名を指定してください ");
}

QString closedStudyMessage(const QString &title)
{
    return Texts::tr("この実験を含む研究「%1」は、計画どおり停止して終了しました。\r\n"
                     "新しいランは記録できません。")
        .arg(title);
}

QString studyStatusText(const StudyStatus &status)
{
    switch (status.state) {
    case StudyStatus::Open: return Texts::tr("研究「%1」：実施中").arg(status.title);
    case StudyStatus::Closed: return Texts::tr("研究「%1」：終了（新しいランは記録できません）").arg(status.title);
    case StudyStatus::NoStudy:
    case StudyStatus::Unknown: break;
    }
    return QString();
}

} // namespace vora
