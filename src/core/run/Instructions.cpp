#include "core/run/Instructions.h"

#include "core/toolkit/Cp932.h"
#include <QCoreApplication>

namespace vora::instructions {

namespace {
// The texts of this file, under the translation context "Instructions".
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Instructions)
};

QString stimulusLines()
{
    return Texts::tr("　・刺激ありの実験では目を閉じないで画面を見ておいてください。") + CRLF
           + Texts::tr("　　実験の途中で画面の色が激しく変化しますが、キー入力を続けてください。") + CRLF + CRLF;
}
} // namespace

QString shortText(bool withStimulus, bool hitMarks)
{
    QString t = CRLF + Texts::tr("　やり方；深呼吸を１，２回おこなって、「当てたい」という気分になってください｡ ")
                + CRLF + CRLF;
    if (withStimulus)
        t += stimulusLines();
    t += Texts::tr("　・１ラン（100試行）の間は休まず続けてください。") + CRLF + CRLF;
    t += Texts::tr(" 　・黒い四角で隠されている１または０を、キーを押して当ててください。（100回）") + CRLF + CRLF;
    t += hitMarks ? Texts::tr("　・当り(○)外れ(×)が一瞬、表示されます。消えてから数秒以内に次を押してください。")
                  : Texts::tr("　・あなたが入力した文字が一瞬、表示されます。消えてから数秒以内に次を押してください。");
    return t;
}

QString longText(bool withStimulus, bool hitMarks)
{
    QString t = CRLF + Texts::tr("　やり方；深呼吸を１，２回おこなって、「当てたい」という気分になってください｡ ")
                + CRLF + Texts::tr("　　「当てたい」と軽く考える程度で良く、難しく考える必要はありません。") + CRLF
                + CRLF;
    if (withStimulus)
        t += stimulusLines();
    t += Texts::tr("　・１ラン（100試行）の間は休まず続けてください。") + CRLF
         + Texts::tr("　　休んだり別の作業をすると気分が変ることがあります。") + CRLF
         + Texts::tr("　　気分の変化が結果に影響し、微妙な超能力の現象をとらえ難くなります。") + CRLF + CRLF;
    t += Texts::tr(" 　・黒い四角で隠されている１または０を、キーを押して当ててください。（100回）") + CRLF + CRLF;
    t += hitMarks ? Texts::tr("　・あなたが入力したら当り(○)外れ(×)が一瞬、表示されます。")
                  : Texts::tr("　・あなたが入力した１または０が黒い枠内に一瞬、表示されます。");
    t += CRLF + Texts::tr("　　それが消えてから数秒以内に次を押してください。遅くてもかまいません。");
    t += startHint();
    return t;
}

QString startHint()
{
    return CRLF + Texts::tr("　　　（準備ができたら［開始］を押し、始めてください）");
}

QString countdownGetReady()
{
    return Texts::tr("　まもなくスタート。意識を集中して!!　");
}

QString countdownGo()
{
    return Texts::tr("　１，０入力開始　");
}

} // namespace vora::instructions
