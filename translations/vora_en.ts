<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>ChartImageExport</name>
    <message>
        <source>グラフの画像を保存できませんでした。</source>
        <translation>The chart picture could not be saved.</translation>
    </message>
    <message>
        <source>保存先：</source>
        <translation>Saved to: </translation>
    </message>
    <message>
        <source>理由：</source>
        <translation>Reason: </translation>
    </message>
    <message>
        <source>PNG画像 (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
</context>
<context>
    <name>ChartModel</name>
    <message>
        <source>有意</source>
        <translation>signif.</translation>
    </message>
    <message>
        <source>&#x3000;今回の試行部分ごとの結果&#x3000;</source>
        <translation> This run by trial block </translation>
    </message>
    <message>
        <source>試行部分</source>
        <translation>trial block</translation>
    </message>
    <message>
        <source>&#x3000;各ランの一致数&#x3000;</source>
        <translation> Hits of each run </translation>
    </message>
    <message>
        <source>ラン番号</source>
        <translation>run</translation>
    </message>
    <message>
        <source>&#x3000;試行部分ごとの結果（全ラン）&#x3000;</source>
        <translation> By trial block (all runs) </translation>
    </message>
    <message>
        <source>一致数の偏差</source>
        <translation>Deviation</translation>
    </message>
    <message>
        <source> 刺激の前後 (全ラン) </source>
        <translation> Around the stimulus (all runs) </translation>
    </message>
    <message>
        <source>全試行表示</source>
        <translation>All trials</translation>
    </message>
    <message>
        <source> 刺 激 </source>
        <translation> Stimulus </translation>
    </message>
    <message>
        <source>平均</source>
        <translation>mean</translation>
    </message>
    <message>
        <source> 各試行の一致数(全ラン) </source>
        <translation> Hits per trial (all runs) </translation>
    </message>
    <message>
        <source>刺激の前後表示</source>
        <translation>Around stimulus</translation>
    </message>
    <message>
        <source>一致数</source>
        <translation>Hits</translation>
    </message>
</context>
<context>
    <name>Conditions</name>
    <message>
        <source>刺激=小</source>
        <translation>stimulus=small</translation>
    </message>
    <message>
        <source>刺激=中</source>
        <translation>stimulus=medium</translation>
    </message>
    <message>
        <source>刺激=大</source>
        <translation>stimulus=large</translation>
    </message>
    <message>
        <source>刺激=無</source>
        <translation>stimulus=none</translation>
    </message>
    <message>
        <source>、当り表示=有</source>
        <translation>, hit display=shown</translation>
    </message>
    <message>
        <source>、当り表示=なし</source>
        <translation>, hit display=none</translation>
    </message>
</context>
<context>
    <name>Cp932</name>
    <message>
        <source>保存できない文字が含まれています（「%1」）。<byte value="xd"/>
この文字を別の文字に置き換えてから、もう一度保存してください。</source>
        <translation>The text holds a character that cannot be saved (&quot;%1&quot;).<byte value="xd"/>
Replace it with another character and save again.</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>ランの記録の形をしていません（ターゲットと入力の欄が「0」と「1」ではないか、区切りの空白がずれています）</source>
        <translation>not a run record (the target and input fields are not &quot;0&quot; and &quot;1&quot;, or the separating spaces are misplaced)</translation>
    </message>
    <message>
        <source>ランの記録が長すぎます（%1文字目のあとにランメモの前の空白がありません）</source>
        <translation>the run record is too long (no space before the run memo after character %1)</translation>
    </message>
    <message>
        <source>空の行です（ランの記録がありません）</source>
        <translation>empty line (no run record)</translation>
    </message>
    <message>
        <source>CP932として読めないバイトがあります（ファイルが破損している可能性があります）</source>
        <translation>bytes that are not valid CP932 (the file may be damaged)</translation>
    </message>
    <message>
        <source>%1桁目に制御文字（コード%2）があります（ファイルが破損している可能性があります）</source>
        <translation>a control character (code %2) in column %1 (the file may be damaged)</translation>
    </message>
    <message>
        <source>ランの記録が短すぎます（%1文字、%2文字必要です）</source>
        <translation>the run record is too short (%1 characters, %2 needed)</translation>
    </message>
    <message>
        <source>ブロックごとの一致数の合計（%1）が記録された一致数（%2）と合いません</source>
        <translation>the sum of the block hit counts (%1) does not match the recorded hit count (%2)</translation>
    </message>
    <message>
        <source>ブロック%1の一致数（%2）が記録（%3）と合いません</source>
        <translation>the hit count of block %1 (%2) does not match the record (%3)</translation>
    </message>
    <message>
        <source>ターゲットと入力の一致数（%1）が記録された一致数（%2）と合いません</source>
        <translation>the hits of targets and inputs (%1) do not match the recorded hit count (%2)</translation>
    </message>
    <message>
        <source>%1番目のランです（１つの実験は%2ランまでです）</source>
        <translation>run number %1 (an experiment holds at most %2 runs)</translation>
    </message>
</context>
<context>
    <name>Evaluation</name>
    <message>
        <source>・初めの部分で一致が多く、その後減少し、最後にまた多くなる位置効果が見られる。</source>
        <translation>• A position effect: many hits at the start, fewer afterwards, and many again at the end.</translation>
    </message>
    <message>
        <source>・最初の部分で一致が多く、次第に減少する下降効果が見られる。</source>
        <translation>• A decline effect: many hits at the start, gradually fewer.</translation>
    </message>
    <message>
        <source>・わずかだが、初めの部分で一致が多く、次第に減少する下降効果が見られる。</source>
        <translation>• A slight decline effect: more hits at the start, gradually fewer.</translation>
    </message>
    <message>
        <source>●一致数が非常に多く、超能力が発揮されている可能性あり。（危険率0.01）</source>
        <translation>●Very many hits: ESP may be at work. (significance level 0.01)</translation>
    </message>
    <message>
        <source>●一致数が非常に少なく、超能力により一致を避けるサイミッシングが起きている可能性あり。（危険率0.01）</source>
        <translation>●Very few hits: psi-missing, ESP avoiding the targets, may be at work. (significance level 0.01)</translation>
    </message>
    <message>
        <source>&#x3000;1000回(以上)に1回しか起きない極めて多い一致になりました。</source>
        <translation>  An extremely high score that happens only once in 1000 runs (or more).</translation>
    </message>
    <message>
        <source>&#x3000;370回に1回しか起きない非常に多い一致になりました。</source>
        <translation>  A very high score that happens only once in 370 runs.</translation>
    </message>
    <message>
        <source>&#x3000;200回に1回しか起きない大変多い一致になりました。</source>
        <translation>  A high score that happens only once in 200 runs.</translation>
    </message>
    <message>
        <source>&#x3000;100回に1回しか起きない多い一致になりました。</source>
        <translation>  A high score that happens only once in 100 runs.</translation>
    </message>
    <message>
        <source>&#x3000;100回に1回しか起きない少ない一致になりました。</source>
        <translation>  A low score that happens only once in 100 runs.</translation>
    </message>
    <message>
        <source>&#x3000;200回に1回しか起きない大変少ない一致になりました。</source>
        <translation>  A low score that happens only once in 200 runs.</translation>
    </message>
    <message>
        <source>&#x3000;370回に1回しか起きない非常に少ない一致になりました。</source>
        <translation>  A very low score that happens only once in 370 runs.</translation>
    </message>
    <message>
        <source>&#x3000;1000回(以上)に1回しか起きない極めて少ない一致になりました。</source>
        <translation>  An extremely low score that happens only once in 1000 runs (or more).</translation>
    </message>
    <message>
        <source>&#x3000;1000回に1回しか起きない極めて多い一致が</source>
        <translation>  Extremely high scores (once in 1000 runs):</translation>
    </message>
    <message>
        <source>370回に1回しか起きない非常に多い一致が</source>
        <translation>very high scores (once in 370 runs):</translation>
    </message>
    <message>
        <source>200回に1回しか起きない大変多い一致が</source>
        <translation>high scores (once in 200 runs):</translation>
    </message>
    <message>
        <source>100回に1回しか起きない多い一致が</source>
        <translation>high scores (once in 100 runs):</translation>
    </message>
    <message>
        <source>100回に1回しか起きない少ない一致が</source>
        <translation>low scores (once in 100 runs):</translation>
    </message>
    <message>
        <source>200回に1回しか起きない大変少ない一致が</source>
        <translation>low scores (once in 200 runs):</translation>
    </message>
    <message>
        <source>&#x3000;370回に1回しか起きない非常に少ない一致が</source>
        <translation>  very low scores (once in 370 runs):</translation>
    </message>
    <message>
        <source>1000回に1回しか起きない極めて少ない一致が</source>
        <translation>extremely low scores (once in 1000 runs):</translation>
    </message>
    <message>
        <source>◆一致数=%1</source>
        <translation>◆Hits=%1</translation>
    </message>
    <message>
        <source>&#x3000;◆刺激＝%1～%2</source>
        <translation>  ◆Stimulus=%1-%2</translation>
    </message>
    <message>
        <source>Tr1=ﾀｰｹﾞｯﾄの1の回数、In1=入力の1の回数</source>
        <translation>Tr1 = number of 1s among the targets, In1 = number of 1s among the inputs</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;★おめでとうございます</source>
        <translation>          ★Congratulations</translation>
    </message>
    <message>
        <source>超能力現象が起きたとみて間違いないと思われます。</source>
        <translation> It is safe to say that an ESP phenomenon occurred.</translation>
    </message>
    <message>
        <source>&#x3000;何回も起きればそれだけ超能力現象の存在が明らかになります｡ </source>
        <translation>  The more often it happens, the clearer the existence of ESP becomes. </translation>
    </message>
    <message>
        <source>次も､またがんばりましょう｡ </source>
        <translation>Keep it up next time! </translation>
    </message>
</context>
<context>
    <name>FileStore</name>
    <message>
        <source>ファイル「%1」に書き込めませんでした。<byte value="xd"/>
理由：%2</source>
        <translation>The file &quot;%1&quot; could not be written.<byte value="xd"/>
Reason: %2</translation>
    </message>
    <message>
        <source>同じ名前のフォルダがあります</source>
        <translation>a folder of the same name is in the way</translation>
    </message>
    <message>
        <source>同じ名前で、通常のファイルではないもの（パイプや装置など）があります</source>
        <translation>something of the same name that is not a regular file (a pipe, a device) is in the way</translation>
    </message>
    <message>
        <source>原因のわからないエラーです</source>
        <translation>an error of unknown cause</translation>
    </message>
    <message>
        <source>ロック用のファイル「%1」を作れませんでした（%2）</source>
        <translation>the lock file &quot;%1&quot; could not be created (%2)</translation>
    </message>
    <message>
        <source>ロック用のファイル「%1」が通常のファイルではありません</source>
        <translation>the lock file &quot;%1&quot; is not a regular file</translation>
    </message>
    <message>
        <source>別のVORAがこのファイルに書き込んでいます。少し待ってからもう一度試してください</source>
        <translation>another VORA is writing this file. Wait a moment and try again</translation>
    </message>
    <message>
        <source>ディスクの空き容量が足りません</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>ディスクの使用量の上限（クォータ）に達しています</source>
        <translation>the disk quota is used up</translation>
    </message>
    <message>
        <source>アクセスする権限がありません</source>
        <translation>no permission</translation>
    </message>
    <message>
        <source>読み取り専用の場所です</source>
        <translation>the place is read-only</translation>
    </message>
    <message>
        <source>ディスクの読み書きに失敗しました（入出力エラー）</source>
        <translation>reading or writing the disk failed (input/output error)</translation>
    </message>
    <message>
        <source>フォルダが見つかりません</source>
        <translation>the folder is not found</translation>
    </message>
    <message>
        <source>システムのエラーです（%1）</source>
        <translation>a system error (%1)</translation>
    </message>
    <message>
        <source>ファイル「%1」が見つかりません。</source>
        <translation>The file &quot;%1&quot; is not found.</translation>
    </message>
    <message>
        <source>「%1」はファイルではなくフォルダです。</source>
        <translation>&quot;%1&quot; is a folder, not a file.</translation>
    </message>
    <message>
        <source>「%1」は通常のファイルではありません（パイプや装置など）。</source>
        <translation>&quot;%1&quot; is not a regular file (a pipe, a device).</translation>
    </message>
    <message>
        <source>ファイル「%1」は大きすぎるため読み込みませんでした（%2 MBを超えています）。</source>
        <translation>The file &quot;%1&quot; is too large and was not read (over %2 MB).</translation>
    </message>
    <message>
        <source>ファイル「%1」を読めませんでした。<byte value="xd"/>
理由：%2</source>
        <translation>The file &quot;%1&quot; could not be read.<byte value="xd"/>
Reason: %2</translation>
    </message>
    <message>
        <source>フォルダ「%1」を作れませんでした。<byte value="xd"/>
理由：同じ名前のファイルがあります</source>
        <translation>The folder &quot;%1&quot; could not be created.<byte value="xd"/>
Reason: a file of the same name is in the way</translation>
    </message>
    <message>
        <source>フォルダ「%1」を作れませんでした。<byte value="xd"/>
理由：%2</source>
        <translation>The folder &quot;%1&quot; could not be created.<byte value="xd"/>
Reason: %2</translation>
    </message>
    <message>
        <source>ファイル「%1」は大きすぎるため使えません（%2 MBを超えています）。</source>
        <translation>The file &quot;%1&quot; is too large to be used (over %2 MB).</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>ヘルプのページを開けませんでした。<byte value="xd"/>
</source>
        <translation>The help page could not be opened.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>HTMLのページを開くプログラム（ウェブブラウザ）が見つかりません。<byte value="xd"/>
ファイル：</source>
        <translation>No program to open HTML pages (a web browser) was found.<byte value="xd"/>
File: </translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>&#x3000;・刺激ありの実験では目を閉じないで画面を見ておいてください。</source>
        <translation>  • In an experiment with a stimulus, keep your eyes open and on the screen.</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;実験の途中で画面の色が激しく変化しますが、キー入力を続けてください。</source>
        <translation>    The screen flashes in strong colours during the run; keep pressing keys.</translation>
    </message>
    <message>
        <source>&#x3000;やり方；深呼吸を１，２回おこなって、「当てたい」という気分になってください｡ </source>
        <translation>  How to: take a deep breath or two and feel &quot;I want to hit it&quot;. </translation>
    </message>
    <message>
        <source>&#x3000;・１ラン（100試行）の間は休まず続けてください。</source>
        <translation>  • Go through one run (100 trials) without a break.</translation>
    </message>
    <message>
        <source> &#x3000;・黒い四角で隠されている１または０を、キーを押して当ててください。（100回）</source>
        <translation>  • Guess the 1 or 0 under the black square by pressing a key. (100 times)</translation>
    </message>
    <message>
        <source>&#x3000;・当り(○)外れ(×)が一瞬、表示されます。消えてから数秒以内に次を押してください。</source>
        <translation>  • Hit (○) or miss (×) shows briefly; then press the next key within seconds.</translation>
    </message>
    <message>
        <source>&#x3000;・あなたが入力した文字が一瞬、表示されます。消えてから数秒以内に次を押してください。</source>
        <translation>  • Your digit shows briefly; then press the next key within a few seconds.</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;「当てたい」と軽く考える程度で良く、難しく考える必要はありません。</source>
        <translation>    Just think lightly &quot;I want to hit it&quot;; there is no need to think hard.</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;休んだり別の作業をすると気分が変ることがあります。</source>
        <translation>    A pause or another task can change your mood.</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;気分の変化が結果に影響し、微妙な超能力の現象をとらえ難くなります。</source>
        <translation>    Mood changes affect the results and hide subtle ESP effects.</translation>
    </message>
    <message>
        <source>&#x3000;・あなたが入力したら当り(○)外れ(×)が一瞬、表示されます。</source>
        <translation>  • After each key, hit (○) or miss (×) shows for a moment.</translation>
    </message>
    <message>
        <source>&#x3000;・あなたが入力した１または０が黒い枠内に一瞬、表示されます。</source>
        <translation>  • The 1 or 0 you typed shows in the black frame for a moment.</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;それが消えてから数秒以内に次を押してください。遅くてもかまいません。</source>
        <translation>    Then press the next key within a few seconds; later is fine too.</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;（準備ができたら［開始］を押し、始めてください）</source>
        <translation>      (When you are ready, press [Start] to begin)</translation>
    </message>
    <message>
        <source>&#x3000;まもなくスタート。意識を集中して!!&#x3000;</source>
        <translation> Starting soon. Concentrate!! </translation>
    </message>
    <message>
        <source>&#x3000;１，０入力開始&#x3000;</source>
        <translation> Type 1 or 0 now </translation>
    </message>
</context>
<context>
    <name>MainTexts</name>
    <message>
        <source>刺激や当り表示を選択してください</source>
        <translation>Choose the stimulus and the hit display</translation>
    </message>
    <message>
        <source>刺激や当りの表示を選択してください</source>
        <translation>Choose the stimulus and the display of hits</translation>
    </message>
    <message>
        <source>実験名は10文字以下にしてください。</source>
        <translation>An experiment name has at most 10 characters.</translation>
    </message>
    <message>
        <source>実験名が10文字以上です。変更してください。</source>
        <translation>The experiment name is longer than 10 characters. Please change it.</translation>
    </message>
    <message>
        <source>実験名「%1」はボックス%2にすでに登録されています。<byte value="xd"/>
実験名は５つのボックスで同じものは使えません。別の実験名を入力してください。</source>
        <translation>The experiment name &quot;%1&quot; is already registered in box %2.<byte value="xd"/>
One name cannot be used in two of the five boxes. Please enter another name.</translation>
    </message>
    <message>
        <source>実験名の一覧のファイル（%1）を読めなかったため、このボックスでは実験名の登録や削除ができません。<byte value="xd"/>
ファイルを確かめてから、プログラムを起動し直してください。<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>The name list file (%1) could not be read, so names cannot be registered or deleted in this box.<byte value="xd"/>
Check the file, then start the program again.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>実験名を削除します</source>
        <translation>The experiment name will be deleted</translation>
    </message>
    <message>
        <source>データの一部が破損または改竄の可能性があります。このデータは利用できません。</source>
        <translation>Part of the data may be damaged or altered. These data cannot be used.</translation>
    </message>
    <message>
        <source>実験できません。<byte value="xd"/>
<byte value="xd"/>
１つの実験名では100ランまでです。<byte value="xd"/>
<byte value="xd"/>
他の実験名で実験できます。</source>
        <translation>The experiment cannot be run.<byte value="xd"/>
<byte value="xd"/>
One experiment name holds at most 100 runs.<byte value="xd"/>
<byte value="xd"/>
You can run experiments under another name.</translation>
    </message>
    <message>
        <source>&#x3000;(保存データ；正常)</source>
        <translation>  (stored data: OK)</translation>
    </message>
    <message>
        <source>実験名「%1」はボックス%2にも別の条件で登録されているため、ボックス%3からは実験を開始できません。<byte value="xd"/>
実験名は５つのボックスで同じものは使えません。<byte value="xd"/>
ボックス%3の実験名を削除して、別の実験名で登録し直してください。</source>
        <translation>The experiment name &quot;%1&quot; is also registered in box %2 under other conditions, so it cannot be started from box %3.<byte value="xd"/>
One name cannot be used in two of the five boxes.<byte value="xd"/>
Delete the name in box %3 and register another name there.</translation>
    </message>
    <message>
        <source>◆実験名の設定に関して◆</source>
        <translation>◆About experiment names◆</translation>
    </message>
    <message>
        <source>1.実験名を新規登録する、または選択してください。</source>
        <translation>1. Register a new experiment name, or choose one.</translation>
    </message>
    <message>
        <source>2.実験名はアルファベットと数字で10文字以内で入力してください。</source>
        <translation>2. Type the name in letters and digits, 10 characters at most.</translation>
    </message>
    <message>
        <source>&#x3000;実験名は被験者の省略名と実験開始の年月日を推薦。例；Yama090425</source>
        <translation>   Suggested: a short name of the subject and the start date. E.g. Yama090425</translation>
    </message>
    <message>
        <source>&#x3000;Enterキーを押せば登録される。</source>
        <translation>   Press Enter to register it.</translation>
    </message>
    <message>
        <source>3.「刺激の大中小無」も指定してください。</source>
        <translation>3. Choose the stimulus size as well.</translation>
    </message>
    <message>
        <source>4.「当り表示」も指定してください。</source>
        <translation>4. Choose the hit display as well.</translation>
    </message>
    <message>
        <source>&#x3000;※3と4は実験名の登録時点のみ指定できます。</source>
        <translation>   Note: 3 and 4 can only be chosen when the name is registered.</translation>
    </message>
    <message>
        <source>5.プルダウンメニューで設定済みの実験名を呼び出せます。</source>
        <translation>5. The drop-down list brings back registered names.</translation>
    </message>
    <message>
        <source>&#x3000;実験名の削除；呼出し⇒消去⇒Enterキーで表示されなくなる。</source>
        <translation>   To delete a name: choose it, erase it, press Enter; it is no longer listed.</translation>
    </message>
    <message>
        <source>&#x3000;ただし、実験データのファイル自体は削除されずに残っている。</source>
        <translation>   Its data file is not deleted; it stays.</translation>
    </message>
    <message>
        <source>6.実験名は100ランの実験が終了するまで同じものを使います｡ </source>
        <translation>6. Use the same name until the experiment&apos;s 100 runs are done. </translation>
    </message>
    <message>
        <source>&#x3000;参考；１つの実験＝100ラン、１ラン＝100試行(入力)</source>
        <translation>   For reference: 1 experiment = 100 runs, 1 run = 100 trials (inputs)</translation>
    </message>
    <message>
        <source>7.横に５つのボックスがあるので、被験者ごとの利用などに使えます。</source>
        <translation>7. The five boxes side by side can serve, e.g., one subject each.</translation>
    </message>
    <message>
        <source>&#x3000;注意；実験名は５つのボックスで同じものは使えない。</source>
        <translation>   Note: one name cannot be used in two of the five boxes.</translation>
    </message>
    <message>
        <source> 実験名を指定してください </source>
        <translation> Please choose an experiment name </translation>
    </message>
    <message>
        <source>この実験を含む研究「%1」は、計画どおり停止して終了しました。<byte value="xd"/>
新しいランは記録できません。</source>
        <translation>The study &quot;%1&quot;, which includes this experiment, has stopped as planned and is closed.<byte value="xd"/>
No new run can be recorded.</translation>
    </message>
    <message>
        <source>研究「%1」：実施中</source>
        <translation>Study &quot;%1&quot;: in progress</translation>
    </message>
    <message>
        <source>研究「%1」：終了（新しいランは記録できません）</source>
        <translation>Study &quot;%1&quot;: closed (no new run can be recorded)</translation>
    </message>
</context>
<context>
    <name>NameBoxModel</name>
    <message>
        <source>実験名の選択のファイル（%1）を読めません。<byte value="xd"/>
</source>
        <translation>The selection file (%1) cannot be read.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>プログラムのフォルダに書き込めません。<byte value="xd"/>
実験名の登録や選択は保存されません。<byte value="xd"/>
</source>
        <translation>The program folder cannot be written to.<byte value="xd"/>
Registered and chosen names are not saved.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>実験名の一覧（%1）に実験名を加えられませんでした。<byte value="xd"/>
</source>
        <translation>The name could not be added to the name list (%1).<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>実験名の選択のファイル（%1）を作れません。</source>
        <translation>The selection file (%1) cannot be created.</translation>
    </message>
    <message>
        <source>実験名の選択のファイル（%1）の一部を読めません。<byte value="xd"/>
</source>
        <translation>Part of the selection file (%1) cannot be read.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>実験名の一覧（%1）：<byte value="xd"/>
</source>
        <translation>Name list (%1):<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>実験名の選択のファイル（%1）は読めなかったため、書き換えませんでした。</source>
        <translation>The selection file (%1) could not be read, so it was not rewritten.</translation>
    </message>
    <message>
        <source>実験名の選択や一覧を保存できませんでした。<byte value="xd"/>
</source>
        <translation>The chosen names or the name lists could not be saved.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>実験名の一覧（%1）を保存できませんでした。<byte value="xd"/>
</source>
        <translation>The name list (%1) could not be saved.<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>NameList</name>
    <message>
        <source>実験名の一覧（%1）の次の行は実験名として使えないため、一覧に表示しません。<byte value="xd"/>
これらの行はファイルにそのまま残します。</source>
        <translation>The following lines of the name list (%1) cannot be experiment names and are not shown in the list.<byte value="xd"/>
They stay in the file as they are.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1行目：「%2」</source>
        <translation><byte value="xd"/>
line %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source><byte value="xd"/>
ほか%1行</source>
        <translation><byte value="xd"/>
and %1 more lines</translation>
    </message>
    <message>
        <source>ファイル「%1」にCP932として読めないバイトがあります。</source>
        <translation>The file &quot;%1&quot; holds bytes that are not valid CP932.</translation>
    </message>
</context>
<context>
    <name>Outbox</name>
    <message>
        <source>送信待ちの記録を「%1」に書けませんでした。<byte value="xd"/>
理由：%2</source>
        <translation>The record waiting to be sent could not be written to &quot;%1&quot;.<byte value="xd"/>
Reason: %2</translation>
    </message>
    <message>
        <source>フォルダを作れません</source>
        <translation>the folder cannot be made</translation>
    </message>
</context>
<context>
    <name>OutboxStatus</name>
    <message>
        <source>未送信 %1件</source>
        <translation>Not sent: %1</translation>
    </message>
    <message>
        <source>送信不可 %1件</source>
        <translation>Cannot send: %1</translation>
    </message>
    <message>
        <source>&#x3000;</source>
        <comment>between the two counts</comment>
        <translation>   </translation>
    </message>
</context>
<context>
    <name>PlanAudit</name>
    <message>
        <source>継続</source>
        <translation>continue</translation>
    </message>
    <message>
        <source>停止：H1</source>
        <translation>stop for H1</translation>
    </message>
    <message>
        <source>停止：H0</source>
        <translation>stop for H0</translation>
    </message>
    <message>
        <source>停止：最大試行数</source>
        <translation>stop, maximum reached</translation>
    </message>
    <message>
        <source>一致 / 試行</source>
        <translation>Hits / trials</translation>
    </message>
    <message>
        <source>的中率</source>
        <translation>Hit rate</translation>
    </message>
    <message>
        <source>正確二項検定（%1、α = %2）</source>
        <translation>Exact binomial test (%1, α = %2)</translation>
    </message>
    <message>
        <source>：有意</source>
        <translation>: significant</translation>
    </message>
    <message>
        <source>：有意でない</source>
        <translation>: not significant</translation>
    </message>
    <message>
        <source>研究用データベースを読めません</source>
        <translation>Cannot read the study database</translation>
    </message>
    <message>
        <source>ランはまだありません</source>
        <translation>no run yet</translation>
    </message>
    <message>
        <source>最初のラン %1</source>
        <translation>first run received %1</translation>
    </message>
    <message>
        <source>計画は最初のランより前に登録されたか</source>
        <translation>Protocol registered before the first run</translation>
    </message>
    <message>
        <source>登録 %1（%2）、%3</source>
        <translation>registered %1 by %2; %3</translation>
    </message>
    <message>
        <source>このファイルの SHA-256 は登録されていません；%1</source>
        <translation>this file&apos;s SHA-256 is not registered; %1</translation>
    </message>
    <message>
        <source>計画は登録後に変わっていないか（ハッシュ）</source>
        <translation>Protocol unchanged (hash)</translation>
    </message>
    <message>
        <source>SHA-256 %1 は登録どおり</source>
        <translation>SHA-256 %1 as registered</translation>
    </message>
    <message>
        <source>SHA-256 %1 の登録はありません</source>
        <translation>no registration of SHA-256 %1</translation>
    </message>
    <message>
        <source>同じ題名で登録されたのは別のハッシュ：%1</source>
        <translation>the same title was registered under another hash: %1</translation>
    </message>
    <message>
        <source>%1 で記録は %2、データでは %3</source>
        <translation>at %1 recorded %2, the data say %3</translation>
    </message>
    <message>
        <source>中間解析はすべて停止点で行われたか</source>
        <translation>Every look at a stopping point</translation>
    </message>
    <message>
        <source>解析された中間解析はありません</source>
        <translation>no look has analysed the data</translation>
    </message>
    <message>
        <source>解析：%1</source>
        <translation>analysed: %1</translation>
    </message>
    <message>
        <source>計画にない点での解析：%1</source>
        <translation>analysed off the planned points: %1</translation>
    </message>
    <message>
        <source>停止後に受信したラン %1 件（停止後のデータ）</source>
        <translation>%1 runs received after the stop (after-stop data)</translation>
    </message>
    <message>
        <source>停止規則は守られたか</source>
        <translation>Stopping rule followed</translation>
    </message>
    <message>
        <source>%1 試行で %2（%3）、その後のランなし</source>
        <translation>%2 at %1 trials (%3), no run received after it</translation>
    </message>
    <message>
        <source>まだ停止していません（%1 試行）</source>
        <translation>not stopped yet (%1 trials)</translation>
    </message>
    <message>
        <source>計画に含まれる全サイトのデータがあるか</source>
        <translation>All included sites present</translation>
    </message>
    <message>
        <source>データのあるサイト：%1</source>
        <translation>sites with runs: %1</translation>
    </message>
    <message>
        <source>ランのないサイト：%1</source>
        <translation>sites without runs: %1</translation>
    </message>
    <message>
        <source>各サイトの封印ヘッドは保存されたランと一致するか</source>
        <translation>Every site&apos;s seal heads consistent</translation>
    </message>
    <message>
        <source>記録されたヘッド %1 件すべてが保存されたランの封印と一致</source>
        <translation>all %1 recorded heads match the stored runs&apos; seals</translation>
    </message>
    <message>
        <source>一致しないヘッド：%1</source>
        <translation>heads not borne out: %1</translation>
    </message>
    <message>
        <source>主解析：%1 試行の時点（%2）</source>
        <translation>Primary analysis at %1 trials (%2)</translation>
    </message>
    <message>
        <source>主解析：まだどの停止点も解析されていません</source>
        <translation>Primary analysis: no stopping point analysed yet</translation>
    </message>
</context>
<context>
    <name>Pooled</name>
    <message>
        <source>回答の偏り：「1」と答えた割合が %1 % で、50 % から有意にずれています（p %2）。ターゲットにも偏りがあると、能力がなくても一致数が増減します。</source>
        <translation>Answer bias: &quot;1&quot; was answered in %1 % of the trials, significantly away from 50 % (p %2). Together with any bias of the targets this moves the hit count without any ability.</translation>
    </message>
    <message>
        <source>試行間の依存：直前が当たりのときの的中率 %1 % と外れのときの %2 % が有意に異なります（p %3）。ターゲットや回答が前の試行に引きずられている可能性があります。</source>
        <translation>Sequential dependency: the hit rate after a hit (%1 %) and after a miss (%2 %) differ significantly (p %3). Targets or answers may carry over from the trial before.</translation>
    </message>
    <message>
        <source>ターゲットの乱数性：NIST 頻度検定 p %1、連検定 p %2。ターゲットを作った乱数発生器を確認してください。</source>
        <translation>Target randomness: NIST frequency test p %1, runs test p %2. Check the generator that drew the targets.</translation>
    </message>
</context>
<context>
    <name>ProtocolCommand</name>
    <message>
        <source>「継続」 continue</source>
        <translation>continue</translation>
    </message>
    <message>
        <source>「停止：H1」 stop for H1</source>
        <translation>stop for H1</translation>
    </message>
    <message>
        <source>「停止：H0」 stop for H0</source>
        <translation>stop for H0</translation>
    </message>
    <message>
        <source>「停止：最大試行数」 stop, maximum reached</source>
        <translation>stop, maximum reached</translation>
    </message>
</context>
<context>
    <name>ReportHtml</name>
    <message>
        <source>項目</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>値</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>読み方</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>真の的中率は 95 % の確かさでこの範囲にあります。50 % を含むので、偶然と区別できません。</source>
        <translation>The true hit rate lies in this range with 95 % confidence. It includes 50 %: not distinguishable from chance.</translation>
    </message>
    <message>
        <source>真の的中率は 95 % の確かさでこの範囲にあり、50 % より上です。</source>
        <translation>The true hit rate lies in this range with 95 % confidence, above 50 %.</translation>
    </message>
    <message>
        <source>真の的中率は 95 % の確かさでこの範囲にあり、50 % より下です（サイミッシングの方向）。</source>
        <translation>The true hit rate lies in this range with 95 % confidence, below 50 % (psi-missing).</translation>
    </message>
    <message>
        <source>データを見た後、的中率は 90 % の確率でこの範囲にあります。50 % も範囲内です。</source>
        <translation>After the data, the hit rate lies in this range with 90 % probability; 50 % is inside it.</translation>
    </message>
    <message>
        <source>データを見た後、的中率は 90 % の確率でこの範囲にあります。50 % は範囲外です。</source>
        <translation>After the data, the hit rate lies in this range with 90 % probability; 50 % is outside it.</translation>
    </message>
    <message>
        <source>実験（ファイル）数</source>
        <translation>Experiments (files)</translation>
    </message>
    <message>
        <source>まとめて評価したデータファイルの数です。</source>
        <translation>Data files pooled in this analysis.</translation>
    </message>
    <message>
        <source>ラン数</source>
        <translation>Runs</translation>
    </message>
    <message>
        <source>1 ランは 100 試行です。</source>
        <translation>A run is 100 trials.</translation>
    </message>
    <message>
        <source>試行数</source>
        <translation>Trials</translation>
    </message>
    <message>
        <source>全ランの試行の合計です。</source>
        <translation>All trials of all runs.</translation>
    </message>
    <message>
        <source>一致数</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>偶然なら試行数の半分（%1）が期待値です。</source>
        <translation>Chance expects half the trials (%1).</translation>
    </message>
    <message>
        <source>的中率</source>
        <translation>Hit rate</translation>
    </message>
    <message>
        <source>偶然なら 50 % です。</source>
        <translation>Chance gives 50 %.</translation>
    </message>
    <message>
        <source>期待値からのずれを標準偏差（√試行数 / 2）で割った値。±2.58 を超えると 1 % 水準で有意です。</source>
        <translation>Distance from chance in standard deviations (√n / 2); beyond ±2.58 is significant at 1 %.</translation>
    </message>
    <message>
        <source>p（二項検定、両側）</source>
        <translation>p (exact binomial, two-tailed)</translation>
    </message>
    <message>
        <source>95 % 信頼区間（Clopper–Pearson）</source>
        <translation>95 % interval (Clopper–Pearson)</translation>
    </message>
    <message>
        <source>Stouffer の Z</source>
        <translation>Stouffer&apos;s Z</translation>
    </message>
    <message>
        <source>実験ごとの z を同じ重みで合わせた値（Σz / √実験数）です。</source>
        <translation>The experiments&apos; own z combined with equal weight (Σz / √k).</translation>
    </message>
    <message>
        <source>Stouffer の p（両側）</source>
        <translation>Stouffer&apos;s p (two-tailed)</translation>
    </message>
    <message>
        <source>log10 BF10（一様事前分布 Beta(1, 1)）</source>
        <translation>log10 BF10 (uniform prior Beta(1, 1))</translation>
    </message>
    <message>
        <source>log10 BF10（再現事前分布 Beta(829, 733)）</source>
        <translation>log10 BF10 (replication prior Beta(829, 733))</translation>
    </message>
    <message>
        <source>（過去の肯定的研究の 53 % 付近を予想する仮説との比較）</source>
        <translation> (against a hypothesis expecting about the 53 % of earlier positive studies)</translation>
    </message>
    <message>
        <source>事後分布の最頻値</source>
        <translation>Posterior mode</translation>
    </message>
    <message>
        <source>一様事前分布のもとで最も確からしい的中率です。</source>
        <translation>The most probable hit rate under the uniform prior.</translation>
    </message>
    <message>
        <source>90 % 最高密度区間</source>
        <translation>90 % highest-density interval</translation>
    </message>
    <message>
        <source>ターゲットの「1」の割合</source>
        <translation>Share of &quot;1&quot; among targets</translation>
    </message>
    <message>
        <source>50 % からのずれは偶然の範囲内です。</source>
        <translation>Within chance of 50 %.</translation>
    </message>
    <message>
        <source>50 % から有意にずれています。</source>
        <translation>Significantly away from 50 %.</translation>
    </message>
    <message>
        <source>回答の「1」の割合</source>
        <translation>Share of &quot;1&quot; among answers</translation>
    </message>
    <message>
        <source>回答に目立った偏りはありません。</source>
        <translation>No notable answer bias.</translation>
    </message>
    <message>
        <source>回答が一方の数字に偏っています（回答の偏り）。</source>
        <translation>Answers lean to one digit (answer bias).</translation>
    </message>
    <message>
        <source>直前が当たりのときの的中率</source>
        <translation>Hit rate after a hit</translation>
    </message>
    <message>
        <source>各ランの試行 2～100 のうち、直前の試行が当たりだったもの（%1 試行）。</source>
        <translation>Trials 2-100 of each run whose previous trial was a hit (%1 trials).</translation>
    </message>
    <message>
        <source>直前が外れのときの的中率</source>
        <translation>Hit rate after a miss</translation>
    </message>
    <message>
        <source>同じく直前が外れだったもの（%1 試行）。</source>
        <translation>The same after a miss (%1 trials).</translation>
    </message>
    <message>
        <source>依存性の p（Fisher の正確検定、両側）</source>
        <translation>Dependency p (Fisher&apos;s exact test, two-sided)</translation>
    </message>
    <message>
        <source>直前の当たり外れによる的中率の違いは偶然の範囲内です。</source>
        <translation>The difference after hits and misses is within chance.</translation>
    </message>
    <message>
        <source>直前の結果で的中率が変わっています（試行間の依存の疑い）。</source>
        <translation>The hit rate depends on the previous trial (sequential dependency).</translation>
    </message>
    <message>
        <source>ターゲットのビット数</source>
        <translation>Target bits</translation>
    </message>
    <message>
        <source>保存されたターゲットを、ファイルの順に一続きの列として検定します。</source>
        <translation>The stored targets in file order, tested as one sequence.</translation>
    </message>
    <message>
        <source>ターゲットの「1」の割合（NIST）</source>
        <translation>Share of ones (NIST)</translation>
    </message>
    <message>
        <source>乱数なら 50 % 前後です。</source>
        <translation>About 50 % for random bits.</translation>
    </message>
    <message>
        <source>NIST 頻度（モノビット）検定の p</source>
        <translation>NIST frequency (monobit) test p</translation>
    </message>
    <message>
        <source>0 と 1 の数の釣り合いに問題はありません。</source>
        <translation>Zeros and ones are balanced as random bits are.</translation>
    </message>
    <message>
        <source>0 と 1 の数が偏っています。ターゲットの乱数発生器を疑ってください。</source>
        <translation>Zeros and ones are unbalanced: suspect the target generator.</translation>
    </message>
    <message>
        <source>NIST 連（ラン）検定の p</source>
        <translation>NIST runs test p</translation>
    </message>
    <message>
        <source>頻度検定の前提（|π − ½| &lt; 2/√n）を満たさないため 0 とします。</source>
        <translation>The frequency prerequisite |π − ½| &lt; 2/√n fails, so p is 0.</translation>
    </message>
    <message>
        <source>0 と 1 の入れ替わり方は乱数として自然です。</source>
        <translation>Zeros and ones alternate as random bits do.</translation>
    </message>
    <message>
        <source>0 と 1 の入れ替わり方が乱数として不自然です。</source>
        <translation>Zeros and ones alternate unlike random bits.</translation>
    </message>
    <message>
        <source>実験</source>
        <translation>Experiments</translation>
    </message>
    <message>
        <source>ラン</source>
        <translation>Runs</translation>
    </message>
    <message>
        <source>試行</source>
        <translation>Trials</translation>
    </message>
    <message>
        <source>一致</source>
        <translation>Hits</translation>
    </message>
    <message>
        <source>刺激：%1、当り表示：%2</source>
        <translation>stimulus: %1, hit display: %2</translation>
    </message>
    <message>
        <source>有</source>
        <translation>shown</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>not shown</translation>
    </message>
    <message>
        <source>刺激：なし、当り表示：%1</source>
        <translation>no stimulus, hit display: %1</translation>
    </message>
    <message>
        <source>条件</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>期間</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>%1 ～ %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>実験条件のメモ</source>
        <translation>Condition memo</translation>
    </message>
    <message>
        <source>ランがまだありません。</source>
        <translation>No run yet.</translation>
    </message>
    <message>
        <source>全ランの傾向：</source>
        <translation>All runs: </translation>
    </message>
    <message>
        <source>ラン %1（%2）：</source>
        <translation>Run %1 (%2): </translation>
    </message>
    <message>
        <source>（ラン %1）</source>
        <translation> (run %1)</translation>
    </message>
    <message>
        <source>ランの一致数の分布と二項分布の期待値</source>
        <translation>Run scores against Binomial(100, 0.5)</translation>
    </message>
    <message>
        <source>一致数の累積偏差と 1 % 限界（±2.58σ）</source>
        <translation>Cumulative deviation of hits with the 1 % envelope (±2.58σ)</translation>
    </message>
    <message>
        <source>ランのメモ</source>
        <translation>Run memos</translation>
    </message>
    <message>
        <source>メモのあるランはありません。</source>
        <translation>No run has a memo.</translation>
    </message>
    <message>
        <source>日時</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>メモ</source>
        <translation>Memo</translation>
    </message>
    <message>
        <source>偶然では説明しにくいほど多い一致です（1 % 水準で有意）。</source>
        <translation>More hits than chance easily explains (significant at 1 %).</translation>
    </message>
    <message>
        <source>偶然では説明しにくいほど少ない一致です（1 % 水準で有意、サイミッシングの方向）。</source>
        <translation>Fewer hits than chance easily explains (significant at 1 %, psi-missing).</translation>
    </message>
    <message>
        <source>5 % 水準では有意ですが、1 % 水準には届きません。</source>
        <translation>Significant at 5 %, not at 1 %.</translation>
    </message>
    <message>
        <source>偶然の範囲内です。</source>
        <translation>Within chance.</translation>
    </message>
    <message>
        <source>効果あり（H1）を決定的に支持します（BF10 &gt; 100）。</source>
        <translation>Decisive evidence for an effect (BF10 &gt; 100).</translation>
    </message>
    <message>
        <source>効果あり（H1）を強く支持します（BF10 &gt; 10）。</source>
        <translation>Strong evidence for an effect (BF10 &gt; 10).</translation>
    </message>
    <message>
        <source>効果あり（H1）をある程度支持します（BF10 &gt; 3）。</source>
        <translation>Moderate evidence for an effect (BF10 &gt; 3).</translation>
    </message>
    <message>
        <source>どちらとも言えません（データ不足）。</source>
        <translation>Inconclusive: the data do not decide.</translation>
    </message>
    <message>
        <source>偶然（H0）をある程度支持します（BF10 &lt; 1/3）。</source>
        <translation>Moderate evidence for chance (BF10 &lt; 1/3).</translation>
    </message>
    <message>
        <source>偶然（H0）を強く支持します（BF10 &lt; 1/10）。</source>
        <translation>Strong evidence for chance (BF10 &lt; 1/10).</translation>
    </message>
    <message>
        <source>偶然（H0）を決定的に支持します（BF10 &lt; 1/100）。</source>
        <translation>Decisive evidence for chance (BF10 &lt; 1/100).</translation>
    </message>
    <message>
        <source>VORA 実験レポート</source>
        <translation>VORA experiment report</translation>
    </message>
    <message>
        <source>作成 %1 ・ 実験 %2 件 ・ ラン %3 ・ 試行 %4</source>
        <translation>Made %1 · %2 experiments · %3 runs · %4 trials</translation>
    </message>
    <message>
        <source>全実験をまとめた評価</source>
        <translation>Pooled over all experiments</translation>
    </message>
    <message>
        <source>監査（p &lt; 0.01 で警告）</source>
        <translation>Audits (warning at p &lt; 0.01)</translation>
    </message>
    <message>
        <source>回答の偏り・試行間の依存・ターゲットの乱数性に警告はありません。</source>
        <translation>No warning on answer bias, sequential dependency or target randomness.</translation>
    </message>
    <message>
        <source>実験ごと</source>
        <translation>Per experiment</translation>
    </message>
    <message>
        <source>Cohen の目安で「小」（0.2）に届かない、ごく小さな効果です。</source>
        <translation>Below Cohen&apos;s &quot;small&quot; (0.2): a very small effect.</translation>
    </message>
    <message>
        <source>Cohen の目安で「小」の効果です（0.2 以上 0.5 未満）。</source>
        <translation>A &quot;small&quot; effect by Cohen&apos;s convention (0.2 to 0.5).</translation>
    </message>
    <message>
        <source>Cohen の目安で「中」の効果です（0.5 以上 0.8 未満）。</source>
        <translation>A &quot;medium&quot; effect by Cohen&apos;s convention (0.5 to 0.8).</translation>
    </message>
    <message>
        <source>Cohen の目安で「大」の効果です（0.8 以上）。</source>
        <translation>A &quot;large&quot; effect by Cohen&apos;s convention (0.8 and more).</translation>
    </message>
    <message>
        <source>ばらつきのうち偶然を超える部分は小さい（25 % 未満）。</source>
        <translation>Little of the spread goes beyond chance (below 25 %).</translation>
    </message>
    <message>
        <source>ばらつきの一部は偶然を超えています（25～75 %、中程度）。</source>
        <translation>Part of the spread goes beyond chance (25 to 75 %, moderate).</translation>
    </message>
    <message>
        <source>ばらつきの大部分が偶然を超えています（75 % 以上、大きい）。</source>
        <translation>Most of the spread goes beyond chance (75 % and more, high).</translation>
    </message>
    <message>
        <source>サイト</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>95 % 信頼区間</source>
        <translation>95 % interval</translation>
    </message>
    <message>
        <source>研究全体：効果量・サイト・異質性</source>
        <translation>The study: effect sizes, sites, heterogeneity</translation>
    </message>
    <message>
        <source>効果量</source>
        <translation>Effect sizes</translation>
    </message>
    <message>
        <source>的中率 − 0.5（全試行）</source>
        <translation>Hit rate − 0.5 (all trials)</translation>
    </message>
    <message>
        <source>偶然（50 %）からの的中率のずれと、その 95 % 信頼区間（Clopper–Pearson）です。</source>
        <translation>How far the hit rate lies from chance (50 %), with its 95 % interval (Clopper–Pearson).</translation>
    </message>
    <message>
        <source>Cohen の h（固定効果、95 % 区間）</source>
        <translation>Cohen&apos;s h (fixed effect, 95 % interval)</translation>
    </message>
    <message>
        <source>h = 2 arcsin√的中率 − 2 arcsin√0.5。</source>
        <translation>h = 2 arcsin√rate − 2 arcsin√0.5. </translation>
    </message>
    <message>
        <source>Cohen の h（変量効果、実験間、95 % 区間）</source>
        <translation>Cohen&apos;s h (random effects over experiments, 95 % interval)</translation>
    </message>
    <message>
        <source>実験ごとの真の効果が τ² だけばらつくとみた推定です。的中率にすると %1。</source>
        <translation>The estimate when the experiments&apos; true effects vary by τ²; as a hit rate, %1.</translation>
    </message>
    <message>
        <source>異質性（的中率が実験・サイトによって偶然以上に違うか）</source>
        <translation>Heterogeneity (do the hit rates differ by more than chance?)</translation>
    </message>
    <message>
        <source>実験の間</source>
        <translation>Between experiments</translation>
    </message>
    <message>
        <source>サイトの間</source>
        <translation>Between sites</translation>
    </message>
    <message>
        <source>数（試行のあるもの）</source>
        <translation>Count (with trials)</translation>
    </message>
    <message>
        <source>比べるには 2 つ以上が要ります。</source>
        <translation>Two or more are needed to compare.</translation>
    </message>
    <message>
        <source>Cochran の Q</source>
        <translation>Cochran&apos;s Q</translation>
    </message>
    <message>
        <source>Cohen の h を試行数で重みづけた、全体の推定からのずれの二乗和です。</source>
        <translation>Squared distances of each h from the pooled one, weighted by trials.</translation>
    </message>
    <message>
        <source>Q の p（カイ二乗）</source>
        <translation>p of Q (chi-square)</translation>
    </message>
    <message>
        <source>p &lt; 0.05 の列では、的中率の違いは偶然だけでは説明しにくい大きさです。</source>
        <translation>Where p &lt; 0.05 the hit rates differ by more than chance easily explains.</translation>
    </message>
    <message>
        <source>的中率の違いは偶然の範囲内です。</source>
        <translation>The hit rates differ within chance.</translation>
    </message>
    <message>
        <source>I²（95 % 区間、Higgins–Thompson）</source>
        <translation>I² (95 % interval, Higgins–Thompson)</translation>
    </message>
    <message>
        <source>τ²（DerSimonian–Laird）</source>
        <translation>τ² (DerSimonian–Laird)</translation>
    </message>
    <message>
        <source>真の効果（Cohen の h）の実験間・サイト間の分散の推定です。0 ならばらつきは偶然で説明できます。</source>
        <translation>The estimated variance of the true effects (Cohen&apos;s h); 0 when chance explains the spread.</translation>
    </message>
    <message>
        <source>変量効果の h（95 % 区間）</source>
        <translation>Random-effects h (95 % interval)</translation>
    </message>
    <message>
        <source>各実験（サイト）を 1/(1/n + τ²) で重みづけた推定です。</source>
        <translation>Each experiment (site) weighted by 1/(1/n + τ²).</translation>
    </message>
    <message>
        <source>全体</source>
        <translation>Pooled</translation>
    </message>
    <message>
        <source>サイトごとの的中率（フォレストプロット）</source>
        <translation>Hit rate per site (forest plot)</translation>
    </message>
    <message>
        <source>実験ごとの的中率（フォレストプロット）</source>
        <translation>Hit rate per experiment (forest plot)</translation>
    </message>
    <message>
        <source>証拠の積み重なり（日ごと）</source>
        <translation>Evidence as the runs came in (day by day)</translation>
    </message>
    <message>
        <source>log10 BF10（一様事前分布）</source>
        <translation>log10 BF10 (uniform prior)</translation>
    </message>
    <message>
        <source>日付として読めないラン %1 件は、この図に含みません。</source>
        <translation>%1 runs whose date cannot be read are not in these charts.</translation>
    </message>
    <message>
        <source>サイトごと</source>
        <translation>Per site</translation>
    </message>
    <message>
        <source>計画との照合：</source>
        <translation>The data against the plan: </translation>
    </message>
    <message>
        <source>問い</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>答え</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>根拠</source>
        <translation>Evidence</translation>
    </message>
    <message>
        <source>はい</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>いいえ</source>
        <translation>no</translation>
    </message>
    <message>
        <source>全データ（探索的）</source>
        <translation>All data (exploratory)</translation>
    </message>
</context>
<context>
    <name>ReportSave</name>
    <message>
        <source>データファイルを読めないため、レポートを作れません。</source>
        <translation>The data file cannot be read, so no report can be made.</translation>
    </message>
    <message>
        <source>レポートを保存</source>
        <translation>Save report</translation>
    </message>
    <message>
        <source>HTMLファイル (*.html *.htm)</source>
        <translation>HTML files (*.html *.htm)</translation>
    </message>
    <message>
        <source>レポートを保存できませんでした。</source>
        <translation>The report could not be saved.</translation>
    </message>
</context>
<context>
    <name>RewriteGuard</name>
    <message>
        <source>データファイル「%1」を読めないため、書き換えを中止しました。ファイルはそのまま残っています。<byte value="xd"/>
%2</source>
        <translation>The data file &quot;%1&quot; cannot be read, so it was not rewritten. The file is left as it was.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>データファイル「%1」に文字として読めない部分があるため、書き換えを中止しました。ファイルはそのまま残っています。</source>
        <translation>The data file &quot;%1&quot; holds bytes that cannot be read as text, so it was not rewritten. The file is left as it was.</translation>
    </message>
</context>
<context>
    <name>RunRecord</name>
    <message>
        <source>データファイルを読めないため、ラン数や条件を確かめられません。<byte value="xd"/>
</source>
        <translation>The data file cannot be read, so its run count and conditions cannot be checked.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>この実験のデータファイルには、別の条件（%1）で行ったランがあります（ラン%2）。<byte value="xd"/>
１つの実験のランはすべて同じ条件でなければなりません。</source>
        <translation>The data file of this experiment holds a run done under other conditions (%1) (run %2).<byte value="xd"/>
All runs of one experiment must have the same conditions.</translation>
    </message>
    <message>
        <source>不明</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>この実験はすでに%1ランに達しています（別のVORAが先にランを保存した可能性があります）。<byte value="xd"/>
１つの実験名では%1ランまでです。</source>
        <translation>This experiment already has %1 runs (another VORA may have saved a run first).<byte value="xd"/>
One experiment name holds at most %1 runs.</translation>
    </message>
    <message>
        <source>ランの記録に改行が含まれているため保存できません。</source>
        <translation>The run record holds a line break and cannot be saved.</translation>
    </message>
    <message>
        <source>このランの結果は実験データのファイルに追加できませんでした。<byte value="xd"/>
</source>
        <translation>The result of this run could not be added to the experiment&apos;s data file.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
入力した100試行の結果は、次のファイルに残しました。<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
The 100 trials you entered were kept in this file:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
（このファイルは実験のデータとしては読み込まれません）</source>
        <translation><byte value="xd"/>
(This file is not read as experiment data.)</translation>
    </message>
    <message>
        <source>データファイル「%1」が見つからないため、メモを保存できませんでした。</source>
        <translation>The data file &quot;%1&quot; was not found, so the memo could not be saved.</translation>
    </message>
    <message>
        <source>ラン%1はデータファイルにないため、メモを保存できませんでした。</source>
        <translation>Run %1 is not in the data file, so the memo could not be saved.</translation>
    </message>
    <message>
        <source>ラン%1の記録が%2文字に足りないため、メモを保存できませんでした。</source>
        <translation>The record of run %1 is shorter than %2 characters, so the memo could not be saved.</translation>
    </message>
</context>
<context>
    <name>Seal</name>
    <message>
        <source>この実験の封印ファイルを読めないため、封印を確かめられません。<byte value="xd"/>
</source>
        <translation>The seal file of this experiment cannot be read, so the seal cannot be checked.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>この実験のデータは、封印した後に書き換えられた可能性があります。<byte value="xd"/>
</source>
        <translation>The data of this experiment may have been changed after it was sealed.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
結果は表示できますが、封印と合わないデータです。</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
The results can be shown, but the data do not match the seal.</translation>
    </message>
    <message>
        <source>第%1ラン（データファイルの%2行目）の内容が、封印したときと違います。</source>
        <translation>Run %1 (line %2 of the data file) differs from what was sealed.</translation>
    </message>
    <message>
        <source>第%1ラン（データファイルの%2行目）は、封印の後に加えられたランです。</source>
        <translation>Run %1 (line %2 of the data file) was added after the runs were sealed.</translation>
    </message>
    <message>
        <source>封印した第%1ランがありません（データファイルの%2行目）。</source>
        <translation>The sealed run %1 is missing (line %2 of the data file).</translation>
    </message>
    <message>
        <source>最初に封印したランより前のランが消えています（データファイルの%1行目）。</source>
        <translation>Runs before the first sealed run are missing (line %1 of the data file).</translation>
    </message>
    <message>
        <source>封印の連鎖が第%1ランのところで切れています（データファイルの%2行目）。封印した後に、ランが削除されたか、順番が入れ替えられています。</source>
        <translation>The seal chain breaks at run %1 (line %2 of the data file). Runs were removed or reordered after they were sealed.</translation>
    </message>
    <message>
        <source>第%1ラン（データファイルの%2行目）は、封印したときは第%3ランでした。</source>
        <translation>Run %1 (line %2 of the data file) was run %3 when it was sealed.</translation>
    </message>
    <message>
        <source>封印ファイル「%1」が壊れているか、書き換えられています。</source>
        <translation>The seal file &quot;%1&quot; is damaged or has been changed.</translation>
    </message>
    <message>
        <source>（%1行目）</source>
        <translation> (line %1)</translation>
    </message>
</context>
<context>
    <name>SealWriter</name>
    <message>
        <source>第%1ラン（データファイルの%2行目）の1～261桁に、半角の英数字と記号以外の文字があります。</source>
        <translation>Columns 1-261 of run %1 (line %2 of the data file) hold characters other than ASCII letters, digits and signs.</translation>
    </message>
    <message>
        <source>刺激なしの実験の第%1ラン（データファイルの%2行目）の27桁目が「n」ではありません。</source>
        <translation>Column 27 of run %1 (line %2 of the data file) of an experiment without a stimulus is not &quot;n&quot;.</translation>
    </message>
    <message>
        <source>このランはデータファイルに保存しましたが、封印できませんでした。<byte value="xd"/>
理由：%1<byte value="xd"/>
後で vora-data seal で封印できます。</source>
        <translation>This run was saved in the data file but could not be sealed.<byte value="xd"/>
Reason: %1<byte value="xd"/>
It can be sealed later with vora-data seal.</translation>
    </message>
    <message>
        <source>ラン %1</source>
        <translation>Run %1</translation>
    </message>
    <message>
        <source>ラン %1〜%2</source>
        <translation>Runs %1-%2</translation>
    </message>
    <message>
        <source> は封印されていませんでした（前回の異常終了）。いま封印しました。</source>
        <translation> had not been sealed (the program ended abnormally last time). They are sealed now.</translation>
    </message>
    <message>
        <source>封印の鍵ファイル「%1」を使えませんでした。</source>
        <translation>The seal lock file &quot;%1&quot; could not be used.</translation>
    </message>
    <message>
        <source> は封印されていませんでした（前回の異常終了）。封印できませんでした。<byte value="xd"/>
理由：</source>
        <translation> had not been sealed (the program ended abnormally last time). They could not be sealed.<byte value="xd"/>
Reason: </translation>
    </message>
</context>
<context>
    <name>ServerOptions</name>
    <message>
        <source>ターゲットか回答に「0」「1」以外の文字があります</source>
        <translation>a target or an answer is not &quot;0&quot; or &quot;1&quot;</translation>
    </message>
    <message>
        <source>記録の一致数が合いません</source>
        <translation>the recorded hit counts do not agree</translation>
    </message>
</context>
<context>
    <name>StudyConfig</name>
    <message>
        <source>接続文字列は key=value の形で書いてください（URIの形は使えません）。</source>
        <translation>Write the connection string as key=value pairs (the URI form cannot be used).</translation>
    </message>
    <message>
        <source>接続文字列の %1 文字目が key=value の形になっていません。</source>
        <translation>Character %1 of the connection string is not part of a key=value pair.</translation>
    </message>
    <message>
        <source>接続文字列の「%1」の値の引用符が閉じていません。</source>
        <translation>The quote of the value of &quot;%1&quot; in the connection string is not closed.</translation>
    </message>
    <message>
        <source>接続文字列が空です。</source>
        <translation>The connection string is empty.</translation>
    </message>
    <message>
        <source>2行目のサイト名は英数字と「-」「_」の1～32文字で書いてください。</source>
        <translation>Write the site name on line 2 with 1 to 32 letters, digits, &quot;-&quot; or &quot;_&quot;.</translation>
    </message>
    <message>
        <source>%1 はパスワードを含み、他のユーザーも読めます。所有者だけが読めるようにしてください（chmod 600）。</source>
        <translation>%1 holds a password and other users can read it. Make it readable by its owner only (chmod 600).</translation>
    </message>
</context>
<context>
    <name>StudyDatabase</name>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>PostgreSQL用のドライバがありません（Debianのパッケージ libqt6sql6-psql）。</source>
        <translation>The PostgreSQL driver is missing (Debian package libqt6sql6-psql).</translation>
    </message>
    <message>
        <source>接続文字列の「%1」の値に「;」は使えません。</source>
        <translation>The value of &quot;%1&quot; in the connection string cannot hold &quot;;&quot;.</translation>
    </message>
    <message>
        <source>接続文字列の port が数ではありません。</source>
        <translation>The port in the connection string is not a number.</translation>
    </message>
    <message>
        <source>研究用データベースに接続できません</source>
        <translation>Cannot connect to the study database</translation>
    </message>
    <message>
        <source>研究用データベースを読めません</source>
        <translation>Cannot read the study database</translation>
    </message>
    <message>
        <source>表 vora_runs を作れません</source>
        <translation>Cannot create the table vora_runs</translation>
    </message>
    <message>
        <source>ランを送れません</source>
        <translation>Cannot send the run</translation>
    </message>
    <message>
        <source>送ったランを確かめられません</source>
        <translation>Cannot confirm the run sent</translation>
    </message>
    <message>
        <source>研究用データベースを準備できません</source>
        <translation>Cannot prepare the study database</translation>
    </message>
    <message>
        <source>ロール %1 はすでにあります（パスワードは変えていません）。</source>
        <translation>The role %1 exists already (its password was not changed).</translation>
    </message>
    <message>
        <source>ロール %1 がありません。先に vora-data study init を実行してください。</source>
        <translation>The role %1 does not exist. Run vora-data study init first.</translation>
    </message>
    <message>
        <source>ロールを作れません</source>
        <translation>Cannot create the role</translation>
    </message>
    <message>
        <source>送ったランを確かめられません：%1/%2 のラン %3 が見つかりません</source>
        <translation>Cannot confirm the runs sent: run %3 of %1/%2 is not found</translation>
    </message>
</context>
<context>
    <name>StudyMirror</name>
    <message>
        <source>%1 のラン %2：サーバーには別の記録があります（上書きしません）。</source>
        <translation>%1 run %2: the server holds another record (not overwritten).</translation>
    </message>
    <message>
        <source>%1：読めない送信待ちの記録です。</source>
        <translation>%1: a record waiting to be sent that cannot be read.</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>保存したランがデータファイルに見つからないため、送信できません。</source>
        <translation>A saved run is not found in the data file and cannot be sent.</translation>
    </message>
</context>
<context>
    <name>StudyPlan</name>
    <message>
        <source>研究用データベースを読めません</source>
        <translation>Cannot read the study database</translation>
    </message>
    <message>
        <source>研究用データベースに計画の表（vora_protocols, vora_looks）がありません：vora-data study init を実行してください</source>
        <translation>The study database has no plan tables (vora_protocols, vora_looks): run vora-data study init</translation>
    </message>
    <message>
        <source>計画を登録できません</source>
        <translation>Cannot register the protocol</translation>
    </message>
    <message>
        <source>計画を登録できません：登録した行が見つかりません</source>
        <translation>Cannot register the protocol: the registered row is not found</translation>
    </message>
    <message>
        <source>中間解析の記録を残せません</source>
        <translation>Cannot record the look</translation>
    </message>
</context>
<context>
    <name>StudySvg</name>
    <message>
        <source>的中率と 95 % 信頼区間</source>
        <translation>Hit rate with its 95 % interval</translation>
    </message>
    <message>
        <source>的中率（%）</source>
        <translation>hit rate (%)</translation>
    </message>
    <message>
        <source>%1 件を的中率の順に（上ほど低い）</source>
        <translation>%1, sorted by hit rate (lowest at the top)</translation>
    </message>
    <message>
        <source>日付のあるランがありません</source>
        <translation>no dated run</translation>
    </message>
    <message>
        <source>ランの日付（その日までの全ラン）</source>
        <translation>run date (all runs up to the day)</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>◆全ラン平均一致数=%1、ラン数=%2</source>
        <translation>◆Mean hits of all runs=%1, runs=%2</translation>
    </message>
    <message>
        <source>Tr1T=ﾀｰｹﾞｯﾄの1の回数の合計、In1T=入力の1の回数の合計、Av1T=平均の1の回数</source>
        <translation>Tr1T = total of 1s among the targets, In1T = total of 1s among the inputs, Av1T = mean number of 1s</translation>
    </message>
    <message>
        <source>◆実験期間；%1 ～ %2</source>
        <translation>◆Period: %1 – %2</translation>
    </message>
    <message>
        <source>（全ラン=%1）</source>
        <translation>(all runs=%1)</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;★おめでとうございます</source>
        <translation>    ★Congratulations</translation>
    </message>
    <message>
        <source>%1%2回、</source>
        <translation>%1 %2 times; </translation>
    </message>
    <message>
        <source>起きています。</source>
        <translation>so far.</translation>
    </message>
    <message>
        <source>大</source>
        <translation>large</translation>
    </message>
    <message>
        <source>中</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>小</source>
        <translation>small</translation>
    </message>
    <message>
        <source>無</source>
        <translation>none</translation>
    </message>
    <message>
        <source>&#x3000;刺激；なし&#x3000;</source>
        <translation> Stimulus: none </translation>
    </message>
    <message>
        <source>有 </source>
        <translation>shown</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>none</translation>
    </message>
    <message>
        <source> 刺激；１回、刺激；</source>
        <translation> Stimulus: once, </translation>
    </message>
    <message>
        <source>、当り表示；</source>
        <translation>, hit display: </translation>
    </message>
</context>
<context>
    <name>Svg</name>
    <message>
        <source>ランの一致数の分布</source>
        <translation>Distribution of run scores</translation>
    </message>
    <message>
        <source>ランの一致数</source>
        <translation>hits in a run</translation>
    </message>
    <message>
        <source>ラン数</source>
        <translation>Runs</translation>
    </message>
    <message>
        <source>観測</source>
        <translation>observed</translation>
    </message>
    <message>
        <source>偶然の期待値 二項分布 B(100, 0.5)</source>
        <translation>chance: Binomial(100, 0.5)</translation>
    </message>
    <message>
        <source>一致数の累積偏差</source>
        <translation>Cumulative deviation of hits</translation>
    </message>
    <message>
        <source>試行（全ランを順に）</source>
        <translation>trial (all runs in order)</translation>
    </message>
    <message>
        <source>一致数−期待値</source>
        <translation>hits − n/2</translation>
    </message>
    <message>
        <source>±2.58σ（1 %、両側）</source>
        <translation>±2.58σ (1 %, two-tailed)</translation>
    </message>
</context>
<context>
    <name>UpdatePage</name>
    <message>
        <source>更新情報のページ（%1）が大きすぎるため、表示しません。
次にインターネットから正しいページを受け取ると、ここに表示されます。</source>
        <translation>The update page (%1) is too large and is not shown.
It appears here once a proper page is received from the Internet.</translation>
    </message>
    <message>
        <source>更新情報のページはまだありません。
インターネットにつながっているときに起動すると、ここに表示されます。</source>
        <translation>There is no update page yet.
It appears here when the program is started while connected to the Internet.</translation>
    </message>
    <message>
        <source>新バージョンのプログラムができています。<byte value="xd"/>
<byte value="xd"/>
右案内の（最新版の入手）をクリックし、ホームページの案内にそって更新してください。</source>
        <translation>A new version of the program is available.<byte value="xd"/>
<byte value="xd"/>
Click (最新版の入手) in the notice on the right and update as the home page describes.</translation>
    </message>
</context>
<context>
    <name>vora::BackgroundPictures</name>
    <message>
        <source>背景にする画像の選択</source>
        <translation>Choose a background picture</translation>
    </message>
    <message>
        <source>画像ファイル (*.jpg *.jpeg *.png *.bmp *.gif);;すべてのファイル (*)</source>
        <translation>Pictures (*.jpg *.jpeg *.png *.bmp *.gif);;All files (*)</translation>
    </message>
    <message>
        <source>選んだファイルは画像として読み込めませんでした。<byte value="xd"/>
%1</source>
        <translation>The chosen file could not be read as a picture.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>クリックすれば背景画像になります</source>
        <translation>Click to make it the background</translation>
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
        <translation>Choose what to do with the background picture.<byte value="xd"/>
<byte value="xd"/>
    1. Back to the original picture<byte value="xd"/>
<byte value="xd"/>
    2. Choose a picture of your own<byte value="xd"/>
<byte value="xd"/>
    3. Nothing<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;作業＝１．初期画面に戻す</source>
        <translation>    Task = 1. Back to the original picture</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;作業＝２．希望画面を指定する</source>
        <translation>    Task = 2. Choose a picture of your own</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;作業＝３．何もしない</source>
        <translation>    Task = 3. Nothing</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
下記で良いですか？</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Is this right?</translation>
    </message>
    <message>
        <source>作業の選択</source>
        <translation>Choose a task</translation>
    </message>
</context>
<context>
    <name>vora::ChartBox</name>
    <message>
        <source>画像として保存…</source>
        <translation>Save as picture…</translation>
    </message>
    <message>
        <source>レポートを保存…</source>
        <translation>Save report…</translation>
    </message>
</context>
<context>
    <name>vora::ExperimentHeader</name>
    <message>
        <source>&#x3000;ESP透視実験&#x3000;</source>
        <translation> ESP clairvoyance experiment </translation>
    </message>
    <message>
        <source>超能力・透視実験システム・ＶＯＲＡ</source>
        <translation>ESP clairvoyance experiment system VORA</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>End</translation>
    </message>
</context>
<context>
    <name>vora::HitDots</name>
    <message>
        <source>・をクリックすると詳細グラフを表示。</source>
        <translation>Click a dot to show its run in detail.</translation>
    </message>
    <message>
        <source>ダブルクリックでメモ書込み可能。</source>
        <translation>Double-click to write a memo.</translation>
    </message>
    <message>
        <source>メモを保存できませんでした。</source>
        <translation>The memo could not be saved.</translation>
    </message>
    <message>
        <source>メモは入力欄に残っています。</source>
        <translation>The memo is still in the input box.</translation>
    </message>
</context>
<context>
    <name>vora::MainFlow</name>
    <message>
        <source>実験データのファイルを読めないため、この実験は選べません。<byte value="xd"/>
</source>
        <translation>The experiment&apos;s data file cannot be read, so this experiment cannot be chosen.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>実験条件のメモを保存できませんでした。<byte value="xd"/>
</source>
        <translation>The condition memo could not be saved.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>実験できません。<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>The experiment cannot be run.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
他の実験名で実験できます。</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
You can run experiments under another name.</translation>
    </message>
</context>
<context>
    <name>vora::RegistrationView</name>
    <message>
        <source>実験名の登録や変更</source>
        <translation>Register or change names</translation>
    </message>
    <message>
        <source>実験名の登録や変更の終了</source>
        <translation>Finish registering</translation>
    </message>
    <message>
        <source>実験名の登録や選択</source>
        <translation>Register or choose names</translation>
    </message>
</context>
<context>
    <name>vora::ResultsDisplay</name>
    <message>
        <source>&#x3000;今回の試行部分ごとの結果&#x3000;</source>
        <translation> This run by trial block </translation>
    </message>
    <message>
        <source>&#x3000;試行部分ごとの結果（全ラン）&#x3000;</source>
        <translation> By trial block (all runs) </translation>
    </message>
    <message>
        <source>最初に戻る</source>
        <translation>Back to the start</translation>
    </message>
    <message>
        <source>前に戻ります</source>
        <translation>Goes back</translation>
    </message>
    <message>
        <source>全試行表示</source>
        <translation>All trials</translation>
    </message>
    <message>
        <source>データファイルを読めないため、結果を表示できません。</source>
        <translation>The data file cannot be read, so the results cannot be shown.</translation>
    </message>
    <message>
        <source>&#x3000;ＶＯＲＡ(結果の表示)&#x3000;</source>
        <translation> VORA (results) </translation>
    </message>
    <message>
        <source> ＶＯＲＡ(全結果の表示) </source>
        <translation> VORA (all results) </translation>
    </message>
    <message>
        <source>全ランの表示に戻る</source>
        <translation>Back to all runs</translation>
    </message>
</context>
<context>
    <name>vora::RunBrowser</name>
    <message>
        <source>クリックすると前のデータを連続表示。ダブルクリックで高速で連続表示</source>
        <translation>Click to step back through the runs; double-click to step fast</translation>
    </message>
    <message>
        <source>クリックすると前のデータを表示</source>
        <translation>Click to show the previous run</translation>
    </message>
    <message>
        <source>クリックすると後のデータを表示</source>
        <translation>Click to show the next run</translation>
    </message>
    <message>
        <source>クリックすると後のデータを連続表示。ダブルクリックで高速で連続表示</source>
        <translation>Click to step forward through the runs; double-click to step fast</translation>
    </message>
</context>
<context>
    <name>vora::RunMemoEditor</name>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>vora::SelectionLaunch</name>
    <message>
        <source>今から行なう実験の名称です</source>
        <translation>The name of the experiment about to be run</translation>
    </message>
    <message>
        <source>上の実験名ボックスをクリックすると、確定した実験名が表示されます</source>
        <translation>Click a name button above to show the chosen experiment here</translation>
    </message>
</context>
<context>
    <name>vora::frmMain</name>
    <message>
        <source>VORＡ</source>
        <translation>VORA</translation>
    </message>
    <message>
        <source>１つの実験名では100ランまで行なえます、１ランでは100試行おこないます</source>
        <translation>One experiment name holds up to 100 runs; a run is 100 trials</translation>
    </message>
    <message>
        <source>実施する実験名</source>
        <translation>Experiment to run</translation>
    </message>
    <message>
        <source>上の実験名ボックスをクリックすると、確定した実験名が表示されます</source>
        <translation>Click a name button above to show the chosen experiment here</translation>
    </message>
    <message>
        <source>実験名</source>
        <translation>Names</translation>
    </message>
    <message>
        <source>（横に５つのボックス）</source>
        <translation>(five boxes side by side)</translation>
    </message>
    <message>
        <source>横の５つのボックスに５人の実験名を登録できます</source>
        <translation>The five boxes hold the experiment names of five people</translation>
    </message>
    <message>
        <source>（１ボックス＝１人）</source>
        <translation>(1 box = 1 person)</translation>
    </message>
    <message>
        <source>１つのボックスには同じ人の実験名を登録するのが基本です</source>
        <translation>As a rule, one box holds the names of one person</translation>
    </message>
    <message>
        <source>実験名の登録や変更</source>
        <translation>Register or change names</translation>
    </message>
    <message>
        <source>実験名を登録、またはプルダウンメニューで呼出し、削除できます</source>
        <translation>Register names, or bring them back from the drop-down list and delete them</translation>
    </message>
    <message>
        <source>実験条件の表示</source>
        <translation>Show conditions</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>ダブルクリックすれば入力可能になります</source>
        <translation>Double-click to edit</translation>
    </message>
    <message>
        <source>実験の開始</source>
        <translation>Start experiment</translation>
    </message>
    <message>
        <source>クリックすると実験の開始へ進みます</source>
        <translation>Click to go on to the experiment</translation>
    </message>
    <message>
        <source>結果の表示</source>
        <translation>Show results</translation>
    </message>
    <message>
        <source>過去の結果を表示できます</source>
        <translation>Shows the results so far</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>コンピュータだけの実験</source>
        <translation>Computer-only experiment</translation>
    </message>
    <message>
        <source>新しい実験名の登録やプルダウンメニューで呼出し、削除を行なえます</source>
        <translation>Register a new name, or bring names back from the drop-down list and delete them</translation>
    </message>
    <message>
        <source>刺激のの大中小無</source>
        <translation>Stimulus L/M/S/no</translation>
    </message>
    <message>
        <source>刺激の大中小無</source>
        <translation>Stimulus L/M/S/no</translation>
    </message>
    <message>
        <source>刺激の有無やその大きさを決めます</source>
        <translation>Sets whether there is a stimulus and how large: large, medium, small or none</translation>
    </message>
    <message>
        <source>大</source>
        <translation>L</translation>
    </message>
    <message>
        <source>中</source>
        <translation>M</translation>
    </message>
    <message>
        <source>小</source>
        <translation>S</translation>
    </message>
    <message>
        <source>無</source>
        <translation>no</translation>
    </message>
    <message>
        <source>当否の即表示</source>
        <translation>Show hits at once</translation>
    </message>
    <message>
        <source>当り表示</source>
        <translation>Hit display</translation>
    </message>
    <message>
        <source>する</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>しない</source>
        <translation>No</translation>
    </message>
    <message>
        <source>クリックすれば実験名になります</source>
        <translation>Click to make it the experiment</translation>
    </message>
    <message>
        <source>実施済みラン数</source>
        <translation>Runs done</translation>
    </message>
    <message>
        <source>最後の実施日</source>
        <translation>Last run</translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>vora::frmSplash</name>
    <message>
        <source>VORＡ</source>
        <translation>VORA</translation>
    </message>
    <message>
        <source>超能力の実験、測定、訓練システム</source>
        <translation>ESP experiments, measurement and training</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>警告：このプログラムを作者の許可なく複製・改変することを禁じます。</source>
        <translation>Warning: copying or modifying this program without the author&apos;s permission is prohibited.</translation>
    </message>
    <message>
        <source>企画・製作：VORA 開発チーム</source>
        <translation>Design and production: the VORA development team</translation>
    </message>
    <message>
        <source>Qt 6 による Linux 版（日本語表示：IPA フォント）</source>
        <translation>Linux version with Qt 6 (Japanese text: IPA fonts)</translation>
    </message>
</context>
<context>
    <name>vora::toushiJikken</name>
    <message>
        <source>&#x3000;ＶＯＲＡ(刺激１)&#x3000;</source>
        <translation> VORA (stimulus 1) </translation>
    </message>
    <message>
        <source>このランの結果をデータファイルに保存できませんでした。</source>
        <translation>The result of this run could not be saved in the data file.</translation>
    </message>
    <message>
        <source>保存先：</source>
        <translation>Saving to: </translation>
    </message>
    <message>
        <source>フォルダやディスクの空きを確かめてから「はい」を押すと、もう一度保存します。</source>
        <translation>Check the folder and the free disk space, then press &quot;Yes&quot; to save again.</translation>
    </message>
    <message>
        <source>もう一度保存しますか？</source>
        <translation>Save again?</translation>
    </message>
    <message>
        <source>このランの結果はまだ保存されていません。</source>
        <translation>The result of this run is not saved yet.</translation>
    </message>
    <message>
        <source>「はい」を押すと、このランの結果（100試行）は失われます。</source>
        <translation>Pressing &quot;Yes&quot; loses the result of this run (100 trials).</translation>
    </message>
    <message>
        <source>本当にこのランの結果を破棄しますか？</source>
        <translation>Really discard the result of this run?</translation>
    </message>
    <message>
        <source>ESP実験</source>
        <translation>ESP experiment</translation>
    </message>
    <message>
        <source>実験のやり方</source>
        <translation>How to do it</translation>
    </message>
    <message>
        <source>入力した１または０が表示されます</source>
        <translation>Shows the 1 or 0 you typed</translation>
    </message>
    <message>
        <source>当てよう!!</source>
        <translation>Guess!!</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>やり方がわかったら押してください</source>
        <translation>Press when you know how to do it</translation>
    </message>
    <message>
        <source>当たり(○)、外れ(×)が表示されます</source>
        <translation>Shows hit (○) or miss (×)</translation>
    </message>
    <message>
        <source>終了して良いですか？</source>
        <translation>Do you want to end?</translation>
    </message>
</context>
</TS>
