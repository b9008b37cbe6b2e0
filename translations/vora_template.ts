<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="ja_JP">
<context>
    <name>ChartImageExport</name>
    <message>
        <source>グラフの画像を保存できませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存先：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>理由：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG画像 (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartModel</name>
    <message>
        <source>有意</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;今回の試行部分ごとの結果&#x3000;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>試行部分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;各ランの一致数&#x3000;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ラン番号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;試行部分ごとの結果（全ラン）&#x3000;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一致数の偏差</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 刺激の前後 (全ラン) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全試行表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 刺 激 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 各試行の一致数(全ラン) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刺激の前後表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一致数</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Conditions</name>
    <message>
        <source>刺激=小</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刺激=中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刺激=大</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刺激=無</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、当り表示=有</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、当り表示=なし</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cp932</name>
    <message>
        <source>保存できない文字が含まれています（「%1」）。<byte value="xd"/>
この文字を別の文字に置き換えてから、もう一度保存してください。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>ランの記録の形をしていません（ターゲットと入力の欄が「0」と「1」ではないか、区切りの空白がずれています）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ランの記録が長すぎます（%1文字目のあとにランメモの前の空白がありません）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>空の行です（ランの記録がありません）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CP932として読めないバイトがあります（ファイルが破損している可能性があります）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1桁目に制御文字（コード%2）があります（ファイルが破損している可能性があります）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ランの記録が短すぎます（%1文字、%2文字必要です）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ブロックごとの一致数の合計（%1）が記録された一致数（%2）と合いません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ブロック%1の一致数（%2）が記録（%3）と合いません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ターゲットと入力の一致数（%1）が記録された一致数（%2）と合いません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1番目のランです（１つの実験は%2ランまでです）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Evaluation</name>
    <message>
        <source>・初めの部分で一致が多く、その後減少し、最後にまた多くなる位置効果が見られる。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>・最初の部分で一致が多く、次第に減少する下降効果が見られる。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>・わずかだが、初めの部分で一致が多く、次第に減少する下降効果が見られる。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>●一致数が非常に多く、超能力が発揮されている可能性あり。（危険率0.01）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>●一致数が非常に少なく、超能力により一致を避けるサイミッシングが起きている可能性あり。（危険率0.01）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;1000回(以上)に1回しか起きない極めて多い一致になりました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;370回に1回しか起きない非常に多い一致になりました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;200回に1回しか起きない大変多い一致になりました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;100回に1回しか起きない多い一致になりました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;100回に1回しか起きない少ない一致になりました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;200回に1回しか起きない大変少ない一致になりました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;370回に1回しか起きない非常に少ない一致になりました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;1000回(以上)に1回しか起きない極めて少ない一致になりました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;1000回に1回しか起きない極めて多い一致が</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>370回に1回しか起きない非常に多い一致が</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200回に1回しか起きない大変多い一致が</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100回に1回しか起きない多い一致が</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100回に1回しか起きない少ない一致が</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200回に1回しか起きない大変少ない一致が</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;370回に1回しか起きない非常に少ない一致が</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1000回に1回しか起きない極めて少ない一致が</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>◆一致数=%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;◆刺激＝%1～%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tr1=ﾀｰｹﾞｯﾄの1の回数、In1=入力の1の回数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;★おめでとうございます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>超能力現象が起きたとみて間違いないと思われます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;何回も起きればそれだけ超能力現象の存在が明らかになります｡ </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次も､またがんばりましょう｡ </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileStore</name>
    <message>
        <source>ファイル「%1」に書き込めませんでした。<byte value="xd"/>
理由：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>同じ名前のフォルダがあります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>同じ名前で、通常のファイルではないもの（パイプや装置など）があります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>原因のわからないエラーです</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ロック用のファイル「%1」を作れませんでした（%2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ロック用のファイル「%1」が通常のファイルではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>別のVORAがこのファイルに書き込んでいます。少し待ってからもう一度試してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ディスクの空き容量が足りません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ディスクの使用量の上限（クォータ）に達しています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>アクセスする権限がありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み取り専用の場所です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ディスクの読み書きに失敗しました（入出力エラー）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダが見つかりません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>システムのエラーです（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル「%1」が見つかりません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」はファイルではなくフォルダです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「%1」は通常のファイルではありません（パイプや装置など）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル「%1」は大きすぎるため読み込みませんでした（%2 MBを超えています）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル「%1」を読めませんでした。<byte value="xd"/>
理由：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダ「%1」を作れませんでした。<byte value="xd"/>
理由：同じ名前のファイルがあります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダ「%1」を作れませんでした。<byte value="xd"/>
理由：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル「%1」は大きすぎるため使えません（%2 MBを超えています）。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>ヘルプのページを開けませんでした。<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTMLのページを開くプログラム（ウェブブラウザ）が見つかりません。<byte value="xd"/>
ファイル：</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>&#x3000;・刺激ありの実験では目を閉じないで画面を見ておいてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;実験の途中で画面の色が激しく変化しますが、キー入力を続けてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;やり方；深呼吸を１，２回おこなって、「当てたい」という気分になってください｡ </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;・１ラン（100試行）の間は休まず続けてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &#x3000;・黒い四角で隠されている１または０を、キーを押して当ててください。（100回）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;・当り(○)外れ(×)が一瞬、表示されます。消えてから数秒以内に次を押してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;・あなたが入力した文字が一瞬、表示されます。消えてから数秒以内に次を押してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;「当てたい」と軽く考える程度で良く、難しく考える必要はありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;休んだり別の作業をすると気分が変ることがあります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;気分の変化が結果に影響し、微妙な超能力の現象をとらえ難くなります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;・あなたが入力したら当り(○)外れ(×)が一瞬、表示されます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;・あなたが入力した１または０が黒い枠内に一瞬、表示されます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;それが消えてから数秒以内に次を押してください。遅くてもかまいません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;（準備ができたら［開始］を押し、始めてください）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;まもなくスタート。意識を集中して!!&#x3000;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;１，０入力開始&#x3000;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainTexts</name>
    <message>
        <source>刺激や当り表示を選択してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刺激や当りの表示を選択してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験名は10文字以下にしてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験名が10文字以上です。変更してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験名「%1」はボックス%2にすでに登録されています。<byte value="xd"/>
実験名は５つのボックスで同じものは使えません。別の実験名を入力してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験名の一覧のファイル（%1）を読めなかったため、このボックスでは実験名の登録や削除ができません。<byte value="xd"/>
ファイルを確かめてから、プログラムを起動し直してください。<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験名を削除します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データの一部が破損または改竄の可能性があります。このデータは利用できません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験できません。<byte value="xd"/>
<byte value="xd"/>
１つの実験名では100ランまでです。<byte value="xd"/>
<byte value="xd"/>
他の実験名で実験できます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;(保存データ；正常)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験名「%1」はボックス%2にも別の条件で登録されているため、ボックス%3からは実験を開始できません。<byte value="xd"/>
実験名は５つのボックスで同じものは使えません。<byte value="xd"/>
ボックス%3の実験名を削除して、別の実験名で登録し直してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>◆実験名の設定に関して◆</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.実験名を新規登録する、または選択してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.実験名はアルファベットと数字で10文字以内で入力してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;実験名は被験者の省略名と実験開始の年月日を推薦。例；Yama090425</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;Enterキーを押せば登録される。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3.「刺激の大中小無」も指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4.「当り表示」も指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;※3と4は実験名の登録時点のみ指定できます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5.プルダウンメニューで設定済みの実験名を呼び出せます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;実験名の削除；呼出し⇒消去⇒Enterキーで表示されなくなる。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;ただし、実験データのファイル自体は削除されずに残っている。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6.実験名は100ランの実験が終了するまで同じものを使います｡ </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;参考；１つの実験＝100ラン、１ラン＝100試行(入力)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7.横に５つのボックスがあるので、被験者ごとの利用などに使えます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;注意；実験名は５つのボックスで同じものは使えない。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 実験名を指定してください </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この実験を含む研究「%1」は、計画どおり停止して終了しました。<byte value="xd"/>
新しいランは記録できません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>研究「%1」：実施中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>研究「%1」：終了（新しいランは記録できません）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NameBoxModel</name>
    <message>
        <source>実験名の選択のファイル（%1）を読めません。<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プログラムのフォルダに書き込めません。<byte value="xd"/>
実験名の登録や選択は保存されません。<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験名の一覧（%1）に実験名を加えられませんでした。<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験名の選択のファイル（%1）を作れません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験名の選択のファイル（%1）の一部を読めません。<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験名の一覧（%1）：<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験名の選択のファイル（%1）は読めなかったため、書き換えませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験名の選択や一覧を保存できませんでした。<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験名の一覧（%1）を保存できませんでした。<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NameList</name>
    <message>
        <source>実験名の一覧（%1）の次の行は実験名として使えないため、一覧に表示しません。<byte value="xd"/>
これらの行はファイルにそのまま残します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1行目：「%2」</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
ほか%1行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル「%1」にCP932として読めないバイトがあります。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Outbox</name>
    <message>
        <source>送信待ちの記録を「%1」に書けませんでした。<byte value="xd"/>
理由：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダを作れません</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutboxStatus</name>
    <message>
        <source>未送信 %1件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>送信不可 %1件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;</source>
        <comment>between the two counts</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanAudit</name>
    <message>
        <source>継続</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停止：H1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停止：H0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停止：最大試行数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一致 / 試行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>的中率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正確二項検定（%1、α = %2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>：有意</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>：有意でない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>研究用データベースを読めません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ランはまだありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最初のラン %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計画は最初のランより前に登録されたか</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録 %1（%2）、%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このファイルの SHA-256 は登録されていません；%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計画は登録後に変わっていないか（ハッシュ）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SHA-256 %1 は登録どおり</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SHA-256 %1 の登録はありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>同じ題名で登録されたのは別のハッシュ：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 で記録は %2、データでは %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中間解析はすべて停止点で行われたか</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>解析された中間解析はありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>解析：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計画にない点での解析：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停止後に受信したラン %1 件（停止後のデータ）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停止規則は守られたか</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 試行で %2（%3）、その後のランなし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>まだ停止していません（%1 試行）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計画に含まれる全サイトのデータがあるか</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データのあるサイト：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ランのないサイト：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>各サイトの封印ヘッドは保存されたランと一致するか</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記録されたヘッド %1 件すべてが保存されたランの封印と一致</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一致しないヘッド：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主解析：%1 試行の時点（%2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主解析：まだどの停止点も解析されていません</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pooled</name>
    <message>
        <source>回答の偏り：「1」と答えた割合が %1 % で、50 % から有意にずれています（p %2）。ターゲットにも偏りがあると、能力がなくても一致数が増減します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>試行間の依存：直前が当たりのときの的中率 %1 % と外れのときの %2 % が有意に異なります（p %3）。ターゲットや回答が前の試行に引きずられている可能性があります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ターゲットの乱数性：NIST 頻度検定 p %1、連検定 p %2。ターゲットを作った乱数発生器を確認してください。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProtocolCommand</name>
    <message>
        <source>「継続」 continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「停止：H1」 stop for H1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「停止：H0」 stop for H0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「停止：最大試行数」 stop, maximum reached</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportHtml</name>
    <message>
        <source>項目</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読み方</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>真の的中率は 95 % の確かさでこの範囲にあります。50 % を含むので、偶然と区別できません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>真の的中率は 95 % の確かさでこの範囲にあり、50 % より上です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>真の的中率は 95 % の確かさでこの範囲にあり、50 % より下です（サイミッシングの方向）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データを見た後、的中率は 90 % の確率でこの範囲にあります。50 % も範囲内です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データを見た後、的中率は 90 % の確率でこの範囲にあります。50 % は範囲外です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験（ファイル）数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>まとめて評価したデータファイルの数です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ラン数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 ランは 100 試行です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>試行数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全ランの試行の合計です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一致数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>偶然なら試行数の半分（%1）が期待値です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>的中率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>偶然なら 50 % です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>期待値からのずれを標準偏差（√試行数 / 2）で割った値。±2.58 を超えると 1 % 水準で有意です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p（二項検定、両側）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>95 % 信頼区間（Clopper–Pearson）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stouffer の Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験ごとの z を同じ重みで合わせた値（Σz / √実験数）です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stouffer の p（両側）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>log10 BF10（一様事前分布 Beta(1, 1)）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>log10 BF10（再現事前分布 Beta(829, 733)）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（過去の肯定的研究の 53 % 付近を予想する仮説との比較）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>事後分布の最頻値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一様事前分布のもとで最も確からしい的中率です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>90 % 最高密度区間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ターゲットの「1」の割合</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50 % からのずれは偶然の範囲内です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50 % から有意にずれています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回答の「1」の割合</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回答に目立った偏りはありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回答が一方の数字に偏っています（回答の偏り）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>直前が当たりのときの的中率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>各ランの試行 2～100 のうち、直前の試行が当たりだったもの（%1 試行）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>直前が外れのときの的中率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>同じく直前が外れだったもの（%1 試行）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>依存性の p（Fisher の正確検定、両側）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>直前の当たり外れによる的中率の違いは偶然の範囲内です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>直前の結果で的中率が変わっています（試行間の依存の疑い）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ターゲットのビット数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存されたターゲットを、ファイルの順に一続きの列として検定します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ターゲットの「1」の割合（NIST）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>乱数なら 50 % 前後です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NIST 頻度（モノビット）検定の p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 と 1 の数の釣り合いに問題はありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 と 1 の数が偏っています。ターゲットの乱数発生器を疑ってください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NIST 連（ラン）検定の p</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>頻度検定の前提（|π − ½| &lt; 2/√n）を満たさないため 0 とします。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 と 1 の入れ替わり方は乱数として自然です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 と 1 の入れ替わり方が乱数として不自然です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ラン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>試行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一致</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刺激：%1、当り表示：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>有</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>なし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刺激：なし、当り表示：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>条件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>期間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ～ %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験条件のメモ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ランがまだありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全ランの傾向：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ラン %1（%2）：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（ラン %1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ランの一致数の分布と二項分布の期待値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一致数の累積偏差と 1 % 限界（±2.58σ）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ランのメモ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メモのあるランはありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日時</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メモ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>偶然では説明しにくいほど多い一致です（1 % 水準で有意）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>偶然では説明しにくいほど少ない一致です（1 % 水準で有意、サイミッシングの方向）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 % 水準では有意ですが、1 % 水準には届きません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>偶然の範囲内です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>効果あり（H1）を決定的に支持します（BF10 &gt; 100）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>効果あり（H1）を強く支持します（BF10 &gt; 10）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>効果あり（H1）をある程度支持します（BF10 &gt; 3）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>どちらとも言えません（データ不足）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>偶然（H0）をある程度支持します（BF10 &lt; 1/3）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>偶然（H0）を強く支持します（BF10 &lt; 1/10）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>偶然（H0）を決定的に支持します（BF10 &lt; 1/100）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VORA 実験レポート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作成 %1 ・ 実験 %2 件 ・ ラン %3 ・ 試行 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全実験をまとめた評価</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>監査（p &lt; 0.01 で警告）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回答の偏り・試行間の依存・ターゲットの乱数性に警告はありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験ごと</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cohen の目安で「小」（0.2）に届かない、ごく小さな効果です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cohen の目安で「小」の効果です（0.2 以上 0.5 未満）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cohen の目安で「中」の効果です（0.5 以上 0.8 未満）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cohen の目安で「大」の効果です（0.8 以上）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ばらつきのうち偶然を超える部分は小さい（25 % 未満）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ばらつきの一部は偶然を超えています（25～75 %、中程度）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ばらつきの大部分が偶然を超えています（75 % 以上、大きい）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サイト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>95 % 信頼区間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>研究全体：効果量・サイト・異質性</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>効果量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>的中率 − 0.5（全試行）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>偶然（50 %）からの的中率のずれと、その 95 % 信頼区間（Clopper–Pearson）です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cohen の h（固定効果、95 % 区間）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h = 2 arcsin√的中率 − 2 arcsin√0.5。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cohen の h（変量効果、実験間、95 % 区間）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験ごとの真の効果が τ² だけばらつくとみた推定です。的中率にすると %1。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>異質性（的中率が実験・サイトによって偶然以上に違うか）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験の間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サイトの間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数（試行のあるもの）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>比べるには 2 つ以上が要ります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cochran の Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cohen の h を試行数で重みづけた、全体の推定からのずれの二乗和です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q の p（カイ二乗）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p &lt; 0.05 の列では、的中率の違いは偶然だけでは説明しにくい大きさです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>的中率の違いは偶然の範囲内です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I²（95 % 区間、Higgins–Thompson）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>τ²（DerSimonian–Laird）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>真の効果（Cohen の h）の実験間・サイト間の分散の推定です。0 ならばらつきは偶然で説明できます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>変量効果の h（95 % 区間）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>各実験（サイト）を 1/(1/n + τ²) で重みづけた推定です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全体</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サイトごとの的中率（フォレストプロット）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験ごとの的中率（フォレストプロット）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>証拠の積み重なり（日ごと）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>log10 BF10（一様事前分布）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日付として読めないラン %1 件は、この図に含みません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サイトごと</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計画との照合：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>問い</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>答え</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>根拠</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>はい</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>いいえ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全データ（探索的）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportSave</name>
    <message>
        <source>データファイルを読めないため、レポートを作れません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>レポートを保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTMLファイル (*.html *.htm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>レポートを保存できませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RewriteGuard</name>
    <message>
        <source>データファイル「%1」を読めないため、書き換えを中止しました。ファイルはそのまま残っています。<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データファイル「%1」に文字として読めない部分があるため、書き換えを中止しました。ファイルはそのまま残っています。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunRecord</name>
    <message>
        <source>データファイルを読めないため、ラン数や条件を確かめられません。<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この実験のデータファイルには、別の条件（%1）で行ったランがあります（ラン%2）。<byte value="xd"/>
１つの実験のランはすべて同じ条件でなければなりません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不明</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この実験はすでに%1ランに達しています（別のVORAが先にランを保存した可能性があります）。<byte value="xd"/>
１つの実験名では%1ランまでです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ランの記録に改行が含まれているため保存できません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このランの結果は実験データのファイルに追加できませんでした。<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
入力した100試行の結果は、次のファイルに残しました。<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
（このファイルは実験のデータとしては読み込まれません）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データファイル「%1」が見つからないため、メモを保存できませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ラン%1はデータファイルにないため、メモを保存できませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ラン%1の記録が%2文字に足りないため、メモを保存できませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Seal</name>
    <message>
        <source>この実験の封印ファイルを読めないため、封印を確かめられません。<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この実験のデータは、封印した後に書き換えられた可能性があります。<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
結果は表示できますが、封印と合わないデータです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1ラン（データファイルの%2行目）の内容が、封印したときと違います。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1ラン（データファイルの%2行目）は、封印の後に加えられたランです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>封印した第%1ランがありません（データファイルの%2行目）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最初に封印したランより前のランが消えています（データファイルの%1行目）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>封印の連鎖が第%1ランのところで切れています（データファイルの%2行目）。封印した後に、ランが削除されたか、順番が入れ替えられています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1ラン（データファイルの%2行目）は、封印したときは第%3ランでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>封印ファイル「%1」が壊れているか、書き換えられています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（%1行目）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SealWriter</name>
    <message>
        <source>第%1ラン（データファイルの%2行目）の1～261桁に、半角の英数字と記号以外の文字があります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刺激なしの実験の第%1ラン（データファイルの%2行目）の27桁目が「n」ではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このランはデータファイルに保存しましたが、封印できませんでした。<byte value="xd"/>
理由：%1<byte value="xd"/>
後で vora-data seal で封印できます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ラン %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ラン %1〜%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> は封印されていませんでした（前回の異常終了）。いま封印しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>封印の鍵ファイル「%1」を使えませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> は封印されていませんでした（前回の異常終了）。封印できませんでした。<byte value="xd"/>
理由：</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerOptions</name>
    <message>
        <source>ターゲットか回答に「0」「1」以外の文字があります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記録の一致数が合いません</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StudyConfig</name>
    <message>
        <source>接続文字列は key=value の形で書いてください（URIの形は使えません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接続文字列の %1 文字目が key=value の形になっていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接続文字列の「%1」の値の引用符が閉じていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接続文字列が空です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2行目のサイト名は英数字と「-」「_」の1～32文字で書いてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 はパスワードを含み、他のユーザーも読めます。所有者だけが読めるようにしてください（chmod 600）。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StudyDatabase</name>
    <message>
        <source>：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PostgreSQL用のドライバがありません（Debianのパッケージ libqt6sql6-psql）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接続文字列の「%1」の値に「;」は使えません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接続文字列の port が数ではありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>研究用データベースに接続できません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>研究用データベースを読めません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表 vora_runs を作れません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ランを送れません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>送ったランを確かめられません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>研究用データベースを準備できません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ロール %1 はすでにあります（パスワードは変えていません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ロール %1 がありません。先に vora-data study init を実行してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ロールを作れません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>送ったランを確かめられません：%1/%2 のラン %3 が見つかりません</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StudyMirror</name>
    <message>
        <source>%1 のラン %2：サーバーには別の記録があります（上書きしません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：読めない送信待ちの記録です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存したランがデータファイルに見つからないため、送信できません。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StudyPlan</name>
    <message>
        <source>研究用データベースを読めません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>研究用データベースに計画の表（vora_protocols, vora_looks）がありません：vora-data study init を実行してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計画を登録できません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計画を登録できません：登録した行が見つかりません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中間解析の記録を残せません</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StudySvg</name>
    <message>
        <source>的中率と 95 % 信頼区間</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>的中率（%）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 件を的中率の順に（上ほど低い）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日付のあるランがありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ランの日付（その日までの全ラン）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>◆全ラン平均一致数=%1、ラン数=%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tr1T=ﾀｰｹﾞｯﾄの1の回数の合計、In1T=入力の1の回数の合計、Av1T=平均の1の回数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>◆実験期間；%1 ～ %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（全ラン=%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;★おめでとうございます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2回、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>起きています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>無</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;刺激；なし&#x3000;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>有 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>なし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 刺激；１回、刺激；</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、当り表示；</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Svg</name>
    <message>
        <source>ランの一致数の分布</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ランの一致数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ラン数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>観測</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>偶然の期待値 二項分布 B(100, 0.5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一致数の累積偏差</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>試行（全ランを順に）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一致数−期待値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>±2.58σ（1 %、両側）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdatePage</name>
    <message>
        <source>更新情報のページ（%1）が大きすぎるため、表示しません。
次にインターネットから正しいページを受け取ると、ここに表示されます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>更新情報のページはまだありません。
インターネットにつながっているときに起動すると、ここに表示されます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新バージョンのプログラムができています。<byte value="xd"/>
<byte value="xd"/>
右案内の（最新版の入手）をクリックし、ホームページの案内にそって更新してください。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vora::BackgroundPictures</name>
    <message>
        <source>背景にする画像の選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像ファイル (*.jpg *.jpeg *.png *.bmp *.gif);;すべてのファイル (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選んだファイルは画像として読み込めませんでした。<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリックすれば背景画像になります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>背景画像を選択してください。<byte value="xd"/>
<byte value="xd"/>
&#x3000;&#x3000;１．初期画面に戻す<byte value="xd"/>
<byte value="xd"/>
&#x3000;&#x3000;２．希望画面を指定する<byte value="xd"/>
<byte value="xd"/>
&#x3000;&#x3000;３．何もしない<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;作業＝１．初期画面に戻す</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;作業＝２．希望画面を指定する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;作業＝３．何もしない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
下記で良いですか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作業の選択</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vora::ChartBox</name>
    <message>
        <source>画像として保存…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>レポートを保存…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vora::ExperimentHeader</name>
    <message>
        <source>&#x3000;ESP透視実験&#x3000;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>超能力・透視実験システム・ＶＯＲＡ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vora::HitDots</name>
    <message>
        <source>・をクリックすると詳細グラフを表示。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ダブルクリックでメモ書込み可能。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メモを保存できませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メモは入力欄に残っています。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vora::MainFlow</name>
    <message>
        <source>実験データのファイルを読めないため、この実験は選べません。<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験条件のメモを保存できませんでした。<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験できません。<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
他の実験名で実験できます。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vora::RegistrationView</name>
    <message>
        <source>実験名の登録や変更</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験名の登録や変更の終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験名の登録や選択</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vora::ResultsDisplay</name>
    <message>
        <source>&#x3000;今回の試行部分ごとの結果&#x3000;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;試行部分ごとの結果（全ラン）&#x3000;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最初に戻る</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前に戻ります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全試行表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データファイルを読めないため、結果を表示できません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;ＶＯＲＡ(結果の表示)&#x3000;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ＶＯＲＡ(全結果の表示) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全ランの表示に戻る</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vora::RunBrowser</name>
    <message>
        <source>クリックすると前のデータを連続表示。ダブルクリックで高速で連続表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリックすると前のデータを表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリックすると後のデータを表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリックすると後のデータを連続表示。ダブルクリックで高速で連続表示</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vora::RunMemoEditor</name>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vora::SelectionLaunch</name>
    <message>
        <source>今から行なう実験の名称です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上の実験名ボックスをクリックすると、確定した実験名が表示されます</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vora::frmMain</name>
    <message>
        <source>VORＡ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>１つの実験名では100ランまで行なえます、１ランでは100試行おこないます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実施する実験名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上の実験名ボックスをクリックすると、確定した実験名が表示されます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（横に５つのボックス）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>横の５つのボックスに５人の実験名を登録できます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（１ボックス＝１人）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>１つのボックスには同じ人の実験名を登録するのが基本です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験名の登録や変更</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験名を登録、またはプルダウンメニューで呼出し、削除できます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験条件の表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ダブルクリックすれば入力可能になります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験の開始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリックすると実験の開始へ進みます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>結果の表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>過去の結果を表示できます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終わり</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コンピュータだけの実験</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新しい実験名の登録やプルダウンメニューで呼出し、削除を行なえます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刺激のの大中小無</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刺激の大中小無</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刺激の有無やその大きさを決めます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>無</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当否の即表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当り表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>しない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリックすれば実験名になります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実施済みラン数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最後の実施日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vora::frmSplash</name>
    <message>
        <source>VORＡ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>超能力の実験、測定、訓練システム</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>警告：このプログラムを作者の許可なく複製・改変することを禁じます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>企画・製作：VORA 開発チーム</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt 6 による Linux 版（日本語表示：IPA フォント）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vora::toushiJikken</name>
    <message>
        <source>&#x3000;ＶＯＲＡ(刺激１)&#x3000;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このランの結果をデータファイルに保存できませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存先：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダやディスクの空きを確かめてから「はい」を押すと、もう一度保存します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>もう一度保存しますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このランの結果はまだ保存されていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>「はい」を押すと、このランの結果（100試行）は失われます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本当にこのランの結果を破棄しますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ESP実験</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>実験のやり方</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力した１または０が表示されます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当てよう!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>やり方がわかったら押してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当たり(○)、外れ(×)が表示されます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了して良いですか？</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
