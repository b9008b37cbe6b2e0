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
    <name>CheckCommand</name>
    <message>
        <source>ファイルが指定されていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: ok（ラン %2 件）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>研究用データベース。key=value の組を並べた libpq の接続文字列です（`host=study.example.org dbname=vora_study user=tokyo1`。空白を含む値は一重引用符で囲みます）。書かれていないもの（パスワードも含む）は、libpq が環境変数 PG* と ~/.pgpass から取ります（ENVIRONMENT を参照）。ここに書いたパスワードは決して表示しません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>研究用データベースを、プログラム自身の study-server.txt の形のファイルから読みます。1 行目が接続文字列、2 行目がサイト名です（--site がないときに使います）。所有者だけが読めるようにしてください（chmod 600）。コマンドラインに書いたパスワードは ps を通してすべてのユーザーに見えるので、警告します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読めないファイルがある、引数が正しくない、または出力を書き込めない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべてのラン行を検査する。終了コードは 0 問題なし、1 破損あり、2 読めないファイルあり</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>各 FILE にプログラムと同じ整合性検査を行います。標準出力にはファイルごとに 1 行、`FILE: ok（ラン N 件）` か、最初の不正な行について `FILE:LINE: 理由` を書きます（LINE はファイルの行番号で、条件メモの行も数えます。ランの桁に CP932 として正しくないバイトがあれば破損とみなします）。読めないファイル（存在しない、フォルダ、パイプやデバイス、16 MiB を超える、権限がない）は標準エラーに報告します。すべてのファイルを検査し、最も悪い結果が終了コードを決めます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべてのファイルが正常</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>破損したファイルがある</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ラン 1 から N までだけを読みます（プログラムで第 N ランを見るときと同じです）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定したすべての FILE の証拠を、--server では研究用データベースのランの証拠を、1 つにまとめます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このサイトのランだけをまとめます。サイト名は英字、数字、&quot;-&quot;、&quot;_&quot; の 1〜32 文字です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>結果画面の数値と文章を JSON で出力する（ラン 1..N）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>複数の実験をまとめた証拠を、その監査とともに JSON で出力する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>同じものを研究用データベースのランについて出力する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pooled なし: FILE について結果画面が示す内容を 1 つの JSON オブジェクトで書きます。`runs`、`summaryLine`、`periodLine`、`allRunAnalysis`、`congratulation`、有意水準ごとの件数 `levels`、`perRun`（n、date、time、hits、segments、stimulusTrial、tr1、in1、memo と、そのランの正確な両側二項検定の p である `p`）、`total`（読んだ全試行の hits、trials、z、p）です。改行は \n で表します。

--pooled あり: `experiments`（ファイルごとの file、runs、trials、hits、hitRate、z、p）と、全ファイルにわたる証拠 `pooled` を 1 つの JSON オブジェクトで書きます。`pooled` には、正確二項検定の p、95 % Clopper-Pearson 区間 `ci95`、Stouffer の `stoufferZ` と `stoufferP`、ベイズ因子 `log10Bf10`（一様事前分布と再現事前分布）、事後分布の最頻値と 90 % 最高密度区間 `posterior`、&quot;1&quot; の割合 `responseBias`、直前の試行への依存 `dependency`（Fisher の正確検定）、`targets` の NIST 頻度検定と連検定があります。2 度指定したファイル（./a と a、リンクを通した指定も含む）は 1 度だけ数え、2 か所に同じ内容で記録されたランは名前を挙げます。どちらも標準エラーへの警告です。

試行を必要とする数値は、試行がなければ null です。どの p にもその log10（`pLog10`、`stoufferPLog10`、`monobitPLog10`、`runsPLog10`）が付き、p が 1e-300 より小さいときも正確です。そのような p は 0 ではなく、上限として 1e-300 と書きます。連検定の頻度の前提が満たされないとき、`runsP` は 0、`runsPLog10` は null です。

--server では、ランを研究用データベースから（--site があればそのサイトの分だけ）読みます。サイトと実験の組ごとに 1 つの実験とし、名前は `SITE/EXPERIMENT` です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数値を書き出した</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルか保存されたランが検査に通らない（何も書き出さない）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルか研究用データベースを読めない、引数が正しくない、または出力を書き込めない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>標準出力の代わりに OUT.html へ書きます（ファイルはアトミックに置き換えます）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日本語の見出し（`ja`）か英語の見出し（`en`）。既定は vora-data の表示の言語です。VORA_LANG があればその言語、なければロケール（LANG、LC_MESSAGES）の言語を VORA が話せればその言語、それ以外は日本語です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>各実験のページを加えます。条件、文章、メモ、結果画面の 5 つのグラフと、ランの得点のヒストグラム、累積偏差です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--server とともに: データをこの事前登録したプロトコルと照らし合わせる節を加えます。どの問いにも根拠を添えて「はい」か「いいえ」で答え（最初のランより前に登録されたか、その後変わっていないか、中間解析はすべて停止点で行われたか、停止規則は守られたか、計画に含まれる全サイトのデータがあるか、封印ヘッドは保存されたランと一致するか）、続いて判定点での主解析と、全データの探索的な解析を示します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このサイトのランだけを報告します。サイト名は英字、数字、&quot;-&quot;、&quot;_&quot; の 1〜32 文字です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>グラフ入りの自己完結した HTML の研究レポート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>研究レポートを書きます。CSS とグラフ（インライン SVG）を中に持つ UTF-8 の HTML ページ 1 枚で、スクリプトはなく、どこからも何も読み込まず、A4 で印刷できます。summary --pooled の数値とそれぞれのわかりやすい読み方、監査、効果量（的中率 - 0.5 と Cohen の h）と実験の間の異質性（Cochran の Q、95 % 区間付きの I2、DerSimonian-Laird の tau2、変量効果の推定値）、サイトごと・実験ごとの的中率と 95 % 区間のフォレストプロット（並べ替え、統合した推定値付き）、日ごとに積み上がる証拠（log10 BF10 と z）、サイトごと・実験ごとの表を示します。ファイルのサイトはそのフォルダの名前で、--server ではランを送ったときのサイトです。2 度指定したファイルと同じ内容のランは summary --pooled と同じように扱います。

各実験のページ（A4 1 ページに 1 実験）は --experiments で加わります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ページを書き出した</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルか研究用データベースを読めない、引数が正しくない、またはページを書き込めない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 試行を 1 行で出力する（既定は見出し行付きの CSV）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 試行につき 1 行を書きます。run、trial、target、input、hit、inStimulusEpisode（そのランの刺激試行からの 7 試行）、date、startTime です。CSV では、=、+、-、@、タブ、復帰で始まる文字のセルの先頭に &apos; を付け、表計算ソフトが数式として実行せずに文字として表示するようにします。JSON はどの文字もそのまま書きます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>見出し行付きの CSV。hit と inStimulusEpisode は 1/0 です（既定）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>オブジェクトの JSON 配列。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>行を書き出した</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが検査に通らない（何も書き出さない）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべてのランを研究用データベースへ送る（何度繰り返しても同じ結果）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルのすべてのランを、サイト NAME として研究用データベースへ送ります。多くのファイルのランを 1 つの文（1 トランザクション、1 往復）で送り、各ファイルの封印ヘッドも送ります。サーバーはそれを vora_heads に保存します。すでにあるランは送り直さないので、push はいつでも繰り返せます。ファイルごとに 1 行 `FILE: 送信 N、既存 M、衝突 K` を、衝突ごとに `FILE:LINE: ラン N は保存済みの記録と衝突します（上書きしません）` を書きます。2 度指定したファイルは、警告を出して 1 度だけ送ります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ランを送るときのサイト。サイト名は英字、数字、&quot;-&quot;、&quot;_&quot; の 1〜32 文字です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべてのランが研究用データベースにある</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存済みのランと衝突するランがある、または破損したファイルがある（送らない）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サーバーかファイルを読めない、引数が正しくない、または出力を書き込めない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>標準入力から読んだ行 &quot;h s1 s2 s3 s4 s5&quot; を判定する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>標準入力から `h s1 s2 s3 s4 s5` の行を読み（小数も可。数が 5 つなら試行部分ごとの一致数とみなし、h はその合計）、空でない行ごとに 1 つのコンパクトな JSON オブジェクトを書きます。`line`、`flag`（1 % 水準で 1）、`profile`（`P`、`D`、`S`、`N` のいずれか）、`analysisText` です。不正な行（h が試行部分の合計と違う行を含む）には `{&quot;line&quot;:n,&quot;error&quot;:&quot;...&quot;}` を書き、標準エラーに注記します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべての行を判定した</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不正な行があった</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>引数が正しくない、または出力を書き込めない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>まだ封印していないランを封印する（NAME.txt の横に NAME.seal）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>各ファイルのまだ封印していないランを、ファイルのハッシュ連鎖（`NAME-C.txt` の横の `NAME-C.seal`）に封印します。封印のないファイルではラン 1 から封印し、`FILE: 封印済み（ラン N 件、新規 K 件）。ヘッド HASH` を書きます。検査に通らないファイル、既存の封印を確かめられないファイル、後の書き換えで封印した桁が変わりうるランは断ります。ラン 1 より後から始まる連鎖（以前の版がクラッシュの後に残したもの）は末尾に延ばすだけで、その前のランを挙げます。それらは --reseal で封印します。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ラン 1 より後から始まる連鎖をラン 1 から書き直し、すべてのランを封印します。ヘッドは変わります。古いヘッドとそれまでに公開したヘッドはもう一致しなくなり、コマンドは新しいヘッドを書く前にそう伝えます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべてのファイルを封印した</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>断ったファイルがある</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読めないファイルがある、封印ファイルを書き込めない、引数が正しくない、または出力を書き込めない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>`FILE: ヘッド HASH（ラン N）`、つまり公開するハッシュを書きます（事前登録、同僚へのメール、実験ノートなどのために）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>公開したヘッド（16 進数 64 桁）がまだ連鎖の項目であることを確かめます: `FILE: ヘッド HASH はラン N にあります（封印 TIME）`。なければ終了コードは 1 です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サーバーがヘッドを記録したサイト（--server-file では既定でその 2 行目）。サイト名は英字、数字、&quot;-&quot;、&quot;_&quot; の 1〜32 文字です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ランを封印と照らし合わせる。--head は公開するハッシュを書き、--expect-head は公開したハッシュがまだ連鎖にあることを確かめる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>各ファイルを、研究用データベースがそのファイルについて記録したすべてのヘッドと照らし合わせる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>各ファイルを封印と照らし合わせ、`FILE: 封印済み（ラン N 件）`（まだ封印していないランがあれば `FILE: 封印済み（ラン N 件、未封印 K 件）`）を書くか、封印の後に変更・挿入・削除・並べ替えされたランごとに `FILE:LINE: 理由` を書きます（LINE は check と同じ数え方です。封印ファイル自体の不備は `NAME.seal:LINE` を挙げます）。封印していないランは `FILE:LINE: run N not sealed` として挙げ、終了コードを変えません。

--server では、サイトがファイルを送ったときに研究用データベースが記録したヘッド（vora_heads）とも照らし合わせます。連鎖のそのランにまだそのヘッドがあれば `FILE: ラン N のヘッド HASH（送信 TIME）: あり`、なければ `FILE: ラン N のヘッド HASH（送信 TIME）: 連鎖にありません（それより前に封印したランが書き換えられたか、巻き戻されました）` を書き、終了コードは 1 です。サーバーがヘッドを持たないファイルはそう伝え（`FILE: サーバーに記録されたヘッドはありません`）、終了コードを変えません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべてのファイルが封印と一致する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>封印の後に変更されたランがある、または期待したヘッドが連鎖にない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>研究用データベースを作るか補う: テーブル、ロール、行単位のセキュリティ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サイトのログインロールを作り、その study-server.txt を一度だけ書く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>研究の取りまとめ役が、ロールを作る権限を持つデータベースの所有者として接続して使います。

init はないものを作り、あるものはそのままにするので、いつでも（以前の版が作ったテーブルの上でも）実行し直せます。作るのは、挿入のときにサーバーが各記録から解析する列（run_date、start_time、stimulus、hit_display、bit(100) の targets と inputs、hits、統合した数値のためのランごとの集計）を持つ追記専用のテーブル vora_runs（トリガーが UPDATE、DELETE、TRUNCATE を所有者にも拒みます）、保存されたランへの注記を行として加える vora_corrections、push ごとの封印ヘッドを持つ vora_heads、1 試行 1 行のビュー vora_trials、サイト・実験・日付・到着順のインデックス、メンバーが自分の名前でだけ行を加えられて何も変更できないグループロール vora_site（行単位のセキュリティ）、読み取り専用のロール vora_analyst です。最後に `研究用データベースの準備ができました（スキーマ版 N）` を書きます。

add-site は vora_site のメンバーであるログインロール NAME（英字、数字、&quot;-&quot;、&quot;_&quot; の 1〜32 文字）を新しい乱数のパスワードで作り、サイトの study-server.txt を書きます。1 行目がそのパスワード入りの接続文字列、2 行目がサイト名です。パスワードはこの一度だけ表示し、ほかのどこにも保存しません。2 行をサイトの study-server.txt に書いてください（chmod 600）。すでにロールである名前は断り、そのパスワードも変えません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>完了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サイトがすでにロールである、またはデータベースにサイトを加える準備ができていない（先に init を実行）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>研究用データベースに接続できないか変更できない、引数が正しくない、または出力を書き込めない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>simulate: 偶然（0.5）のほかにシミュレーションする的中率。例 0.51。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>simulate: 的中率ごとにシミュレーションする研究の数（10000）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>simulate: 乱数の種。同じ種からは同じ数値が出ます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>事前登録する研究のプロトコル（JSON）を検証する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プロトコルをサーバーの時刻とともに vora_protocols に保存し、その SHA-256 を書く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>偶然のときと RATE のときの、計画の動作特性</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>事前登録する研究のプロトコル: 最初のランより前に固定する JSON ファイルです（項目は README にあります）。check はそれを読み、`FILE: ok`、計画、ファイルの SHA-256 を書くか、問題ごとに項目を挙げた 1 行 `FILE: 問題` を書きます。

register はファイルのバイト列を研究用データベースの追記専用のテーブル vora_protocols にサーバーの時刻とともに保存し、`登録しました: TITLE（TIME、ROLE）` と `sha256 HASH` を書きます（同じバイト列が前に登録されていれば `登録済み` と最初の時刻）。研究の最初のランより後に登録したプロトコルには警告します。それはレポートの監査に決して通りません。登録の後に変えたファイルも、ハッシュが変わるので通りません。

simulate は逐次的な計画をシミュレーションした研究で動かし、停止点の間の一致数を二項分布から引いて、的中率ごとに H1 で停止、H0 で停止、最大で停止する確率と試行数の期待値を、それぞれのモンテカルロ標準誤差とともに書きます。試行数が 20000 以下の計画では、すべての二項の経路について合計した正確な数値も書きます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プロトコルは有効（さらに登録した、またはシミュレーションした）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プロトコルが有効でない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>そのファイルか研究用データベースを読めない、引数が正しくない、または出力を書き込めない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計画した停止点での主解析。呼び出しはすべて記録する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>研究の取りまとめ役のためのコマンドです。登録した研究のラン（そのサイトと実験の、検査に通るランを、サーバーが受信した順に）を、データが達していてまだどの呼び出しも解析していない停止点ごとに、その点までの試行だけで解析し、呼び出しをすべて vora_looks に記録します（誰が、いつ、そのときの試行数、停止点、判定）。停止点ごとに 1 行 `N 試行: 判定` を書きます。判定は継続、または H1 で停止、H0 で停止、最大で停止のいずれかです。盲検化ありでは、数値（一致数、的中率、各事前分布の BF10）は研究が停止してから書き、盲検化なしでは停止点ごとに書きます。停止すると研究は終わり、プログラムはその研究の新しいランを受け付けません。次の停止点の前は `停止点に達していません: N 試行、次の停止点は M 試行` です。停止の後は、どの呼び出しも判定をその数値とともに繰り返します。プロトコルのファイルは登録したもの（同じ SHA-256）でなければなりません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>呼び出しを解析して記録した</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プロトコルが有効でないか、登録されていない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>そのファイルか研究用データベースを読めないか書き込めない、または引数が正しくない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不明なオプション %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 は値を取りません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 には %2 が必要です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-%1 には %2 が必要です</source>
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
    <name>DataInput</name>
    <message>
        <source>ファイルが検査に通りません。そのランは使いません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1（データファイルではありません）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EvaluateCommand</name>
    <message>
        <source>&quot;h s1 s2 s3 s4 s5&quot;（6 つの数）か &quot;s1 s2 s3 s4 s5&quot; が必要ですが、項目が %1 個あります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; は数ではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>試行部分 %1 は 0 から %2 の間でなければなりません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一致数は 0 から %1 の間でなければなりません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一致数 %1 が試行部分の合計 %2 と違います</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>標準入力を読むので、ファイルは指定できません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>行が %1 バイトを超えています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 行目: %2</source>
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
    <name>ExportCommand</name>
    <message>
        <source>--csv か --json のどちらかを選んでください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが指定されていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルは一度に 1 つです</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileResult</name>
    <message>
        <source>ファイルがありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダです</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通常のファイルではありません（パイプや装置など）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが大きすぎます（%1 MiB を超えています）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読めません（%1）</source>
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
        <source>ロック用のファイル %1 が通常のファイルではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ロック用のファイル %1 を作れません（%2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>別のプログラムが書き込んでいます。少し待ってからもう一度試してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダを作れません（同じ名前のファイルがあります）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダを作れません（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows の日本語の文字コード（CP932）で保存できない文字があります（%1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>原因のわからないエラーです</source>
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
        <source>この操作は許されていません</source>
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
        <source>ファイルかフォルダが見つかりません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パスの途中がフォルダではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダです</source>
        <comment>EISDIR</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが大きすぎます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>システムのエラーです（%1）</source>
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
    <name>Help</name>
    <message>
        <source>使い方:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 つのコマンドの詳しい説明</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バージョン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この説明</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出力は UTF-8 です。終了コード 2 は、引数が正しくない、読めないファイルがある、または出力を書き込めないことを表します。
マニュアル: man vora-data
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この説明。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>オプション:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了コード:</source>
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
    <name>Output</name>
    <message>
        <source>標準出力に書き込めません: %1。出力は途中で切れています</source>
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
    <name>PooledCommand</name>
    <message>
        <source>--pooled にはファイルか --server のどちらか一方を指定します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pooled: ファイルが指定されていません</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PooledInput</name>
    <message>
        <source>警告: %1 は %2 と同じファイルです。1 度だけ送ります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>警告: %1 は %2 と同じファイルです。1 度だけ数えます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:%2（ラン %3）</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>警告: %1 のラン %n 件は、同じファイルの前のランと同じ内容で記録されています。最初は %2 = %3。複写したランは 2 度数えられます</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>警告: %1 のラン %n 件は、%2 のランと同じ内容で記録されています。最初は %3 = %4。複写したランは 2 度数えられます</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>JSON ではありません（%2 バイト目: %1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プロトコルは 1 つの JSON オブジェクトです</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不明な項目 &quot;%1&quot;（綴りを誤った項目は、気づかれないまま効かなくなります）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>title: 空でない文字列が必要です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 名前のリストを指定します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 要素はすべて空でない名前にします</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hypothesis: &quot;two-sided&quot; か &quot;greater&quot;（的中率が 0.5 より上）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>primary: &quot;priors&quot; と &quot;rule&quot; を持つオブジェクトが必要です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>primary.priors: どの事前分布にも名前が必要です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>primary.priors: 名前 &quot;%1&quot; が 2 回使われています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>primary.priors: 事前分布 &quot;%1&quot; には a &gt; 0 と b &gt; 0 が必要です（Beta(a, b)）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>primary.priors: 事前分布を 1 つ以上指定します（例 {&quot;name&quot;: &quot;uniform&quot;, &quot;a&quot;: 1, &quot;b&quot;: 1}）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>primary.decidingPrior: 事前分布のどれか 1 つの名前を指定します（rule &quot;one&quot;）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>primary.rule: &quot;all&quot;（すべての事前分布の BF10 が閾値を超える）か &quot;one&quot;（decidingPrior と一緒に）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>thresholds.h1: 1 より大きいベイズ因子（例 25）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>thresholds.h0: 0 と 1 の間のベイズ因子（例 0.04 = 1/25）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minTrials: 試行数を整数で指定します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maxTrials: 0 より大きい試行数を整数で指定します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stoppingPoints: データを解析する時点の試行数のリスト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stoppingPoints: 試行数は整数で、それぞれ前の点より大きくします</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stoppingPoints: 最後の点は maxTrials（%1）にします</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stoppingPoints: minTrials（%1）より前に点は置けません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minTrials: maxTrials より大きくできません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blinding: true（中間解析は判定だけを示す）か false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>secondary.binomialAlpha: 0 と 1 の間の水準（例 0.005）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 MiB より大きいファイルはプロトコルではありません</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProtocolCommand</name>
    <message>
        <source>すべての事前分布の BF10 が同じ閾値を超える</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 の BF10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>題名: %1
仮説: %2
事前分布: %3
規則: %4
停止点: %5 試行
閾値: H1 は BF10 &gt;= %6、H0 は &lt;= %7
試行数: %8 〜 %9
盲検化: %10
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>あり</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>なし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>的中率 %1、%2: H1 で停止 %3、H0 で停止 %4、最大で停止 %5。試行数の期待値 %6
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--sims にはシミュレーションの回数を 1 から 10000000 で指定します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rate には 0 と 1 の間の的中率を指定します（例 0.51）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--seed には整数を指定します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>シミュレーション %1 回</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正確な値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録しました: %1（%2、%3）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登録済み: %1（%2、%3）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>警告: 研究にはすでにラン %1 件があります（最初の受信 %2）。最初のランより後に登録したプロトコルはレポートの監査に通りません</source>
        <translation type="unfinished"></translation>
    </message>
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
        <source>  一致 %1 / %2 試行（的中率 %3）
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check、register、simulate のどれかと FILE が必要です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不明な操作 &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 にはプロトコルの FILE を 1 つ指定します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rate、--sims、--seed は simulate のためのものです</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--server は register のためのものです</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PROTOCOL ファイルを 1 つ指定してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: このプロトコル（sha256 %2）は登録されていません。中間解析は登録した計画にだけ従います（vora-data protocol register）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>研究は %1 試行で停止しました（%2）: %3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 試行: %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>研究は終わりました。プログラムはこの研究の新しいランを受け付けません
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>停止点に達していません: %1 試行、次の停止点は %2 試行
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PushCommand</name>
    <message>
        <source>%1:%2: ラン %3 は保存済みの記録と衝突します（上書きしません）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 送信 %2、既存 %3、衝突 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが指定されていません</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>--lang には ja か en を指定します（&quot;%1&quot; ではなく）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o にはファイル名が必要です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルか --server のどちらか一方を指定します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが指定されていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--protocol には --server が必要です。計画は研究用データベースと照らし合わせます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 を書き込めません: %2</source>
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
    <name>SealCommand</name>
    <message>
        <source>ファイルが指定されていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 封印しませんでした: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: ラン 1-%2 は封印されていませんでした。連鎖をラン 1 から書き直しました。古いヘッド %3 とそれまでに公開したヘッドはもう一致しません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 封印済み（ラン %2 件、新規 %3 件）。ヘッド %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: ラン 1-%2 は封印されていません。連鎖はラン %3 から始まります。seal --reseal で連鎖をラン 1 から書き直せます（ヘッドは変わります）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SealTool</name>
    <message>
        <source>封印ファイル %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ラン %1 は封印した後に書き換えられています（封印したときはラン %2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ラン %1 は、前後のランを封印した後に加えられています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最初に封印したランより前のランが消えています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>封印したラン %1 が消えています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ラン %1 は封印したときはラン %2 でした。ランの順番が入れ替えられています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>封印の連鎖がラン %1 のところで切れています。封印した後に、ランが削除されたか、順番が入れ替えられています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>封印ファイルがここで壊れているか、書き換えられています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ラン %1 は封印されていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ラン %1（%2 行目）の 1-261 桁に ASCII 以外の文字があります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>刺激なしの実験のラン %1（%2 行目）の 27 桁目が &quot;n&quot; ではありません。プログラムを一度起動して以前の形式を変換させてから封印してください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ロック用のファイル %1 を使えません（別のプログラムがこの実験に書き込んでいるか、フォルダが読み取り専用です）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>今ある封印が検証に通りません。何も封印しませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1。何も封印しませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>封印ファイル %1 に書き込めません: %2</source>
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
    <message>
        <source>--server か --server-file を 1 度だけ指定します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>警告: コマンドラインのパスワードは、このコンピューターのすべてのユーザーが読めます（ps）。~/.pgpass、PGPASSFILE、PGPASSWORD か --server-file を使ってください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--site には英字、数字、&quot;-&quot;、&quot;_&quot; の 1〜32 文字を指定します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルがありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>警告: %1 にはパスワードがあり、ほかのユーザーが読めるかもしれません（chmod 600）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--server CONNINFO か --server-file FILE が必要です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--site NAME が必要です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--site には --server か --server-file が必要です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>研究用データベースにサイト %1 のランはありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存されたランが検査に通りません。何もまとめません</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StudyCommand</name>
    <message>
        <source>init か add-site NAME が必要です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不明な操作 &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>init: 余分な引数 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add-site にはサイトの NAME を 1 つ指定します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サイトの NAME は英字、数字、&quot;-&quot;、&quot;_&quot; の 1〜32 文字です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>研究用データベースの準備ができました（スキーマ版 %1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サイト %1 を加えました。上の 2 行がその study-server.txt です（chmod 600）。パスワードはこの一度だけ表示し、ほかのどこにも保存していません。</source>
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
    <name>SummaryCommand</name>
    <message>
        <source>--upto は 1 つのファイルのランを読むもので、--pooled とは使えません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 には --pooled が必要です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが指定されていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルは一度に 1 つです（--pooled なら複数を指定できます）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--upto には 1 以上のラン番号を指定します（&quot;%1&quot; ではなく）</source>
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
    <name>VerifyCommand</name>
    <message>
        <source>%1: 封印済み（ラン %2 件、未封印 %3 件）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 封印済み（ラン %2 件）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--expect-head には 16 進数 64 桁を指定します</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが指定されていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: ヘッド %2 はラン %3 にあります（封印 %4）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: ヘッド %2 は連鎖にありません。それより前に封印したランが書き換えられたか、巻き戻されました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 封印したランがなく、ヘッドもありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: ヘッド %2（ラン %3）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: サーバーに記録されたヘッドはありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: ラン %3 のヘッド %2（送信 %4）: あり</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: ラン %3 のヘッド %2（送信 %4）: 連鎖にありません（それより前に封印したランが書き換えられたか、巻き戻されました）</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vora-data</name>
    <message>
        <source>コマンドが指定されていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: 余分な引数 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--man: 英語のカタログ vora_en.qm が見つかりません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不明なコマンド &quot;%1&quot;</source>
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
