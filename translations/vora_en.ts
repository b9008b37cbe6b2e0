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
    <name>CheckCommand</name>
    <message>
        <source>ファイルが指定されていません</source>
        <translation>no file given</translation>
    </message>
    <message>
        <source>%1: ok（ラン %2 件）</source>
        <translation>%1: ok (%2 runs)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>研究用データベース。key=value の組を並べた libpq の接続文字列です（`host=study.example.org dbname=vora_study user=tokyo1`。空白を含む値は一重引用符で囲みます）。書かれていないもの（パスワードも含む）は、libpq が環境変数 PG* と ~/.pgpass から取ります（ENVIRONMENT を参照）。ここに書いたパスワードは決して表示しません。</source>
        <translation>The study database: a libpq connection string of key=value pairs (`host=study.example.org dbname=vora_study user=tokyo1`; a value with spaces in single quotes). What it leaves out, the password included, libpq takes from the PG* environment variables and ~/.pgpass (see ENVIRONMENT); a password written here is never printed.</translation>
    </message>
    <message>
        <source>研究用データベースを、プログラム自身の study-server.txt の形のファイルから読みます。1 行目が接続文字列、2 行目がサイト名です（--site がないときに使います）。所有者だけが読めるようにしてください（chmod 600）。コマンドラインに書いたパスワードは ps を通してすべてのユーザーに見えるので、警告します。</source>
        <translation>The study database from a file in the program&apos;s own study-server.txt form: line 1 the connection string, line 2 the site name (used when --site is not given). Keep it readable by its owner only (chmod 600); a password on the command line is seen by every user through ps, and is warned about.</translation>
    </message>
    <message>
        <source>読めないファイルがある、引数が正しくない、または出力を書き込めない</source>
        <translation>a file cannot be read, the arguments are wrong, or the output cannot be written</translation>
    </message>
    <message>
        <source>すべてのラン行を検査する。終了コードは 0 問題なし、1 破損あり、2 読めないファイルあり</source>
        <translation>check every run line; exit 0 all good, 1 damaged, 2 unreadable</translation>
    </message>
    <message>
        <source>各 FILE にプログラムと同じ整合性検査を行います。標準出力にはファイルごとに 1 行、`FILE: ok（ラン N 件）` か、最初の不正な行について `FILE:LINE: 理由` を書きます（LINE はファイルの行番号で、条件メモの行も数えます。ランの桁に CP932 として正しくないバイトがあれば破損とみなします）。読めないファイル（存在しない、フォルダ、パイプやデバイス、16 MiB を超える、権限がない）は標準エラーに報告します。すべてのファイルを検査し、最も悪い結果が終了コードを決めます。</source>
        <translation>Runs the program&apos;s integrity check on every FILE. Per file one line on standard output: `FILE: ok (N runs)`, or `FILE:LINE: reason` for its first bad line (LINE counts file lines, the condition memo line included; bytes that are not valid CP932 in a run&apos;s columns count as damage). A file that cannot be read (missing, a folder, a pipe or device, over 16 MiB, no permission) is reported on standard error. Every file is checked; the worst outcome decides the exit status.</translation>
    </message>
    <message>
        <source>すべてのファイルが正常</source>
        <translation>every file is sound</translation>
    </message>
    <message>
        <source>破損したファイルがある</source>
        <translation>a file is damaged</translation>
    </message>
    <message>
        <source>ラン 1 から N までだけを読みます（プログラムで第 N ランを見るときと同じです）。</source>
        <translation>Read runs 1 to N only, as browsing run N in the program does.</translation>
    </message>
    <message>
        <source>指定したすべての FILE の証拠を、--server では研究用データベースのランの証拠を、1 つにまとめます。</source>
        <translation>Pool the evidence over every FILE given, or over the study database&apos;s runs with --server.</translation>
    </message>
    <message>
        <source>このサイトのランだけをまとめます。サイト名は英字、数字、&quot;-&quot;、&quot;_&quot; の 1〜32 文字です。</source>
        <translation>Pool the runs of this site only: 1 to 32 letters, digits, &quot;-&quot; or &quot;_&quot;.</translation>
    </message>
    <message>
        <source>結果画面の数値と文章を JSON で出力する（ラン 1..N）</source>
        <translation>the results view&apos;s figures and texts as JSON (runs 1..N)</translation>
    </message>
    <message>
        <source>複数の実験をまとめた証拠を、その監査とともに JSON で出力する</source>
        <translation>the evidence pooled over experiments, with its audits, as JSON</translation>
    </message>
    <message>
        <source>同じものを研究用データベースのランについて出力する</source>
        <translation>the same over the runs in the study database</translation>
    </message>
    <message>
        <source>--pooled なし: FILE について結果画面が示す内容を 1 つの JSON オブジェクトで書きます。`runs`、`summaryLine`、`periodLine`、`allRunAnalysis`、`congratulation`、有意水準ごとの件数 `levels`、`perRun`（n、date、time、hits、segments、stimulusTrial、tr1、in1、memo と、そのランの正確な両側二項検定の p である `p`）、`total`（読んだ全試行の hits、trials、z、p）です。改行は \n で表します。

--pooled あり: `experiments`（ファイルごとの file、runs、trials、hits、hitRate、z、p）と、全ファイルにわたる証拠 `pooled` を 1 つの JSON オブジェクトで書きます。`pooled` には、正確二項検定の p、95 % Clopper-Pearson 区間 `ci95`、Stouffer の `stoufferZ` と `stoufferP`、ベイズ因子 `log10Bf10`（一様事前分布と再現事前分布）、事後分布の最頻値と 90 % 最高密度区間 `posterior`、&quot;1&quot; の割合 `responseBias`、直前の試行への依存 `dependency`（Fisher の正確検定）、`targets` の NIST 頻度検定と連検定があります。2 度指定したファイル（./a と a、リンクを通した指定も含む）は 1 度だけ数え、2 か所に同じ内容で記録されたランは名前を挙げます。どちらも標準エラーへの警告です。

試行を必要とする数値は、試行がなければ null です。どの p にもその log10（`pLog10`、`stoufferPLog10`、`monobitPLog10`、`runsPLog10`）が付き、p が 1e-300 より小さいときも正確です。そのような p は 0 ではなく、上限として 1e-300 と書きます。連検定の頻度の前提が満たされないとき、`runsP` は 0、`runsPLog10` は null です。

--server では、ランを研究用データベースから（--site があればそのサイトの分だけ）読みます。サイトと実験の組ごとに 1 つの実験とし、名前は `SITE/EXPERIMENT` です。</source>
        <translation>Without --pooled: one JSON object with what the results view shows for FILE: `runs`, `summaryLine`, `periodLine`, `allRunAnalysis`, `congratulation`, the significance `levels`, `perRun` (n, date, time, hits, segments, stimulusTrial, tr1, in1, memo, and `p`, the exact two-tailed binomial p of the run) and `total` (hits, trials, z and p over all trials read). Line breaks appear as \n.

With --pooled: one JSON object with `experiments` (per file: file, runs, trials, hits, hitRate, z, p) and `pooled`, the evidence over all files: the exact binomial p, the 95 % Clopper-Pearson interval `ci95`, Stouffer&apos;s `stoufferZ` and `stoufferP`, the Bayes factors `log10Bf10` (uniform and replication prior), the `posterior` mode and 90 % highest-density interval, the `responseBias` shares of &quot;1&quot;, the `dependency` of a trial on the one before (Fisher&apos;s exact test) and the NIST frequency and runs tests of the `targets`. A file named twice (also as ./a and a, or through a link) is counted once, and runs stored identically in two places are named; both are warnings on standard error.

A figure that needs trials is null when there is none. Every p comes with its log10 (`pLog10`, `stoufferPLog10`, `monobitPLog10`, `runsPLog10`), exact also where the p is below 1e-300; such a p is given as 1e-300, a bound, never as 0. `runsP` is 0 with `runsPLog10` null when the runs test&apos;s frequency prerequisite fails.

With --server, the runs come from the study database (of one site with --site): one experiment per site and experiment, named `SITE/EXPERIMENT`.</translation>
    </message>
    <message>
        <source>数値を書き出した</source>
        <translation>the figures were written</translation>
    </message>
    <message>
        <source>ファイルか保存されたランが検査に通らない（何も書き出さない）</source>
        <translation>a file or a stored run fails the check (nothing is written)</translation>
    </message>
    <message>
        <source>ファイルか研究用データベースを読めない、引数が正しくない、または出力を書き込めない</source>
        <translation>a file or the study database cannot be read, the arguments are wrong, or the output cannot be written</translation>
    </message>
    <message>
        <source>標準出力の代わりに OUT.html へ書きます（ファイルはアトミックに置き換えます）。</source>
        <translation>Write the page to OUT.html, replaced atomically, instead of standard output.</translation>
    </message>
    <message>
        <source>日本語の見出し（`ja`）か英語の見出し（`en`）。既定は vora-data の表示の言語です。VORA_LANG があればその言語、なければロケール（LANG、LC_MESSAGES）の言語を VORA が話せればその言語、それ以外は日本語です。</source>
        <translation>Japanese labels (`ja`) or English ones (`en`); by default the language of vora-data&apos;s texts: VORA_LANG, else the locale&apos;s (LANG, LC_MESSAGES) when VORA speaks it, else Japanese.</translation>
    </message>
    <message>
        <source>各実験のページを加えます。条件、文章、メモ、結果画面の 5 つのグラフと、ランの得点のヒストグラム、累積偏差です。</source>
        <translation>Add every experiment&apos;s own page: its conditions, texts, memos and the five charts of the results view with the run-score histogram and the cumulative deviation.</translation>
    </message>
    <message>
        <source>--server とともに: データをこの事前登録したプロトコルと照らし合わせる節を加えます。どの問いにも根拠を添えて「はい」か「いいえ」で答え（最初のランより前に登録されたか、その後変わっていないか、中間解析はすべて停止点で行われたか、停止規則は守られたか、計画に含まれる全サイトのデータがあるか、封印ヘッドは保存されたランと一致するか）、続いて判定点での主解析と、全データの探索的な解析を示します。</source>
        <translation>With --server: add the section that tests the data against this preregistered protocol, each question answered yes or no with its evidence (registered before the first run, unchanged since, every look at a stopping point, the stopping rule followed, every included site present, the seal heads borne out by the stored runs), then the primary analysis at the decision point and all data as exploratory.</translation>
    </message>
    <message>
        <source>このサイトのランだけを報告します。サイト名は英字、数字、&quot;-&quot;、&quot;_&quot; の 1〜32 文字です。</source>
        <translation>Report the runs of this site only: 1 to 32 letters, digits, &quot;-&quot; or &quot;_&quot;.</translation>
    </message>
    <message>
        <source>グラフ入りの自己完結した HTML の研究レポート</source>
        <translation>a self-contained HTML study report with charts</translation>
    </message>
    <message>
        <source>研究レポートを書きます。CSS とグラフ（インライン SVG）を中に持つ UTF-8 の HTML ページ 1 枚で、スクリプトはなく、どこからも何も読み込まず、A4 で印刷できます。summary --pooled の数値とそれぞれのわかりやすい読み方、監査、効果量（的中率 - 0.5 と Cohen の h）と実験の間の異質性（Cochran の Q、95 % 区間付きの I2、DerSimonian-Laird の tau2、変量効果の推定値）、サイトごと・実験ごとの的中率と 95 % 区間のフォレストプロット（並べ替え、統合した推定値付き）、日ごとに積み上がる証拠（log10 BF10 と z）、サイトごと・実験ごとの表を示します。ファイルのサイトはそのフォルダの名前で、--server ではランを送ったときのサイトです。2 度指定したファイルと同じ内容のランは summary --pooled と同じように扱います。

各実験のページ（A4 1 ページに 1 実験）は --experiments で加わります。</source>
        <translation>Writes the study report: one HTML page in UTF-8 with its CSS and charts (inline SVG) inside, no script and nothing loaded from anywhere, printable on A4. It shows the figures of summary --pooled with a plain-language reading of each and the audits; the effect size (hit rate - 0.5 and Cohen&apos;s h) with the heterogeneity of the experiments (Cochran&apos;s Q, I2 with its 95 % interval, tau2 by DerSimonian-Laird, the random-effects estimate); a forest plot of the hit rate with its 95 % interval per site and per experiment, sorted, with the pooled estimate; the evidence as it accumulated day by day (log10 BF10 and z); and tables per site and per experiment. The site of a file is the name of its folder; with --server, the site its runs were sent under. Files named twice and identical runs are handled as summary --pooled handles them.

Each experiment&apos;s own page, one per A4 page, is added with --experiments.</translation>
    </message>
    <message>
        <source>ページを書き出した</source>
        <translation>the page was written</translation>
    </message>
    <message>
        <source>ファイルか研究用データベースを読めない、引数が正しくない、またはページを書き込めない</source>
        <translation>a file or the study database cannot be read, the arguments are wrong, or the page cannot be written</translation>
    </message>
    <message>
        <source>1 試行を 1 行で出力する（既定は見出し行付きの CSV）</source>
        <translation>one row per trial (CSV with header by default)</translation>
    </message>
    <message>
        <source>1 試行につき 1 行を書きます。run、trial、target、input、hit、inStimulusEpisode（そのランの刺激試行からの 7 試行）、date、startTime です。CSV では、=、+、-、@、タブ、復帰で始まる文字のセルの先頭に &apos; を付け、表計算ソフトが数式として実行せずに文字として表示するようにします。JSON はどの文字もそのまま書きます。</source>
        <translation>Writes one row per trial: run, trial, target, input, hit, inStimulusEpisode (the seven trials from the run&apos;s stimulus trial), date and startTime. In CSV a text cell that starts with =, +, -, @, a tab or a carriage return gets a leading &apos; so that a spreadsheet shows it as text instead of running it as a formula; JSON gives every text exactly.</translation>
    </message>
    <message>
        <source>見出し行付きの CSV。hit と inStimulusEpisode は 1/0 です（既定）。</source>
        <translation>CSV with a header line, 1/0 for hit and inStimulusEpisode (the default).</translation>
    </message>
    <message>
        <source>オブジェクトの JSON 配列。</source>
        <translation>A JSON array of objects.</translation>
    </message>
    <message>
        <source>行を書き出した</source>
        <translation>the rows were written</translation>
    </message>
    <message>
        <source>ファイルが検査に通らない（何も書き出さない）</source>
        <translation>the file fails the check (nothing is written)</translation>
    </message>
    <message>
        <source>すべてのランを研究用データベースへ送る（何度繰り返しても同じ結果）</source>
        <translation>send every run to the study database (idempotent)</translation>
    </message>
    <message>
        <source>ファイルのすべてのランを、サイト NAME として研究用データベースへ送ります。多くのファイルのランを 1 つの文（1 トランザクション、1 往復）で送り、各ファイルの封印ヘッドも送ります。サーバーはそれを vora_heads に保存します。すでにあるランは送り直さないので、push はいつでも繰り返せます。ファイルごとに 1 行 `FILE: 送信 N、既存 M、衝突 K` を、衝突ごとに `FILE:LINE: ラン N は保存済みの記録と衝突します（上書きしません）` を書きます。2 度指定したファイルは、警告を出して 1 度だけ送ります。</source>
        <translation>Sends every run of the files to the study database under site NAME, many files&apos; runs in one statement (one transaction, one round trip), with each file&apos;s seal head, which the server keeps in vora_heads. A run already there is not sent again, so a push can be repeated at any time. Per file one line `FILE: sent N, already there M, conflict K`, and for each conflict `FILE:LINE: run N conflicts with the record stored for it (not overwritten)`. A file named twice is sent once, with a warning.</translation>
    </message>
    <message>
        <source>ランを送るときのサイト。サイト名は英字、数字、&quot;-&quot;、&quot;_&quot; の 1〜32 文字です。</source>
        <translation>The site the runs are sent under: 1 to 32 letters, digits, &quot;-&quot; or &quot;_&quot;.</translation>
    </message>
    <message>
        <source>すべてのランが研究用データベースにある</source>
        <translation>every run is in the study database</translation>
    </message>
    <message>
        <source>保存済みのランと衝突するランがある、または破損したファイルがある（送らない）</source>
        <translation>a run conflicts with the stored one, or a file is damaged (not sent)</translation>
    </message>
    <message>
        <source>サーバーかファイルを読めない、引数が正しくない、または出力を書き込めない</source>
        <translation>the server or a file cannot be read, the arguments are wrong, or the output cannot be written</translation>
    </message>
    <message>
        <source>標準入力から読んだ行 &quot;h s1 s2 s3 s4 s5&quot; を判定する</source>
        <translation>judge lines &quot;h s1 s2 s3 s4 s5&quot; read from standard input</translation>
    </message>
    <message>
        <source>標準入力から `h s1 s2 s3 s4 s5` の行を読み（小数も可。数が 5 つなら試行部分ごとの一致数とみなし、h はその合計）、空でない行ごとに 1 つのコンパクトな JSON オブジェクトを書きます。`line`、`flag`（1 % 水準で 1）、`profile`（`P`、`D`、`S`、`N` のいずれか）、`analysisText` です。不正な行（h が試行部分の合計と違う行を含む）には `{&quot;line&quot;:n,&quot;error&quot;:&quot;...&quot;}` を書き、標準エラーに注記します。</source>
        <translation>Reads lines `h s1 s2 s3 s4 s5` from standard input (decimals allowed; five numbers are taken as the segments, h as their sum) and writes one compact JSON object per non-blank line: `line`, `flag` (1 at the 1 % level), `profile` (`P`, `D`, `S` or `N`) and `analysisText`. A malformed line (h that differs from the sum of the segments included) gives `{&quot;line&quot;:n,&quot;error&quot;:&quot;...&quot;}` and a note on standard error.</translation>
    </message>
    <message>
        <source>すべての行を判定した</source>
        <translation>every line was judged</translation>
    </message>
    <message>
        <source>不正な行があった</source>
        <translation>a line was malformed</translation>
    </message>
    <message>
        <source>引数が正しくない、または出力を書き込めない</source>
        <translation>the arguments are wrong, or the output cannot be written</translation>
    </message>
    <message>
        <source>まだ封印していないランを封印する（NAME.txt の横に NAME.seal）</source>
        <translation>seal the runs not sealed yet (NAME.seal beside NAME.txt)</translation>
    </message>
    <message>
        <source>各ファイルのまだ封印していないランを、ファイルのハッシュ連鎖（`NAME-C.txt` の横の `NAME-C.seal`）に封印します。封印のないファイルではラン 1 から封印し、`FILE: 封印済み（ラン N 件、新規 K 件）。ヘッド HASH` を書きます。検査に通らないファイル、既存の封印を確かめられないファイル、後の書き換えで封印した桁が変わりうるランは断ります。ラン 1 より後から始まる連鎖（以前の版がクラッシュの後に残したもの）は末尾に延ばすだけで、その前のランを挙げます。それらは --reseal で封印します。</source>
        <translation>Seals the runs of each file that are not sealed yet in the file&apos;s hash chain (`NAME-C.seal` beside `NAME-C.txt`), from run 1 in a file without a seal, and prints `FILE: sealed (N runs, K new); head HASH`. Refuses a file that fails the check, a file whose existing seal does not verify, and runs whose sealed columns a later rewrite could change. A chain that starts after run 1 (left by an earlier version after a crash) is only extended at its end: the runs before it are named, and --reseal seals them.</translation>
    </message>
    <message>
        <source>ラン 1 より後から始まる連鎖をラン 1 から書き直し、すべてのランを封印します。ヘッドは変わります。古いヘッドとそれまでに公開したヘッドはもう一致しなくなり、コマンドは新しいヘッドを書く前にそう伝えます。</source>
        <translation>Rewrite a chain that starts after run 1 from run 1, so that every run is sealed. Its head changes: the old head and every head published before no longer match, and the command says so before it prints the new head.</translation>
    </message>
    <message>
        <source>すべてのファイルを封印した</source>
        <translation>every file is sealed</translation>
    </message>
    <message>
        <source>断ったファイルがある</source>
        <translation>a file was refused</translation>
    </message>
    <message>
        <source>読めないファイルがある、封印ファイルを書き込めない、引数が正しくない、または出力を書き込めない</source>
        <translation>a file cannot be read, a seal file cannot be written, the arguments are wrong, or the output cannot be written</translation>
    </message>
    <message>
        <source>`FILE: ヘッド HASH（ラン N）`、つまり公開するハッシュを書きます（事前登録、同僚へのメール、実験ノートなどのために）。</source>
        <translation>Print `FILE: head HASH (run N)`, the hash to publish (in a preregistration, an e-mail to a colleague, a lab notebook).</translation>
    </message>
    <message>
        <source>公開したヘッド（16 進数 64 桁）がまだ連鎖の項目であることを確かめます: `FILE: ヘッド HASH はラン N にあります（封印 TIME）`。なければ終了コードは 1 です。</source>
        <translation>Confirm that a published head (64 hex digits) is still an entry of the chain: `FILE: head HASH found at run N (sealed TIME)`; else the exit status is 1.</translation>
    </message>
    <message>
        <source>サーバーがヘッドを記録したサイト（--server-file では既定でその 2 行目）。サイト名は英字、数字、&quot;-&quot;、&quot;_&quot; の 1〜32 文字です。</source>
        <translation>The site whose heads the server recorded (with --server-file, its second line by default): 1 to 32 letters, digits, &quot;-&quot; or &quot;_&quot;.</translation>
    </message>
    <message>
        <source>ランを封印と照らし合わせる。--head は公開するハッシュを書き、--expect-head は公開したハッシュがまだ連鎖にあることを確かめる</source>
        <translation>compare the runs with their seal; --head prints the hash to publish, --expect-head confirms a published one is still in the chain</translation>
    </message>
    <message>
        <source>各ファイルを、研究用データベースがそのファイルについて記録したすべてのヘッドと照らし合わせる</source>
        <translation>check each file against every head the study database recorded for it</translation>
    </message>
    <message>
        <source>各ファイルを封印と照らし合わせ、`FILE: 封印済み（ラン N 件）`（まだ封印していないランがあれば `FILE: 封印済み（ラン N 件、未封印 K 件）`）を書くか、封印の後に変更・挿入・削除・並べ替えされたランごとに `FILE:LINE: 理由` を書きます（LINE は check と同じ数え方です。封印ファイル自体の不備は `NAME.seal:LINE` を挙げます）。封印していないランは `FILE:LINE: run N not sealed` として挙げ、終了コードを変えません。

--server では、サイトがファイルを送ったときに研究用データベースが記録したヘッド（vora_heads）とも照らし合わせます。連鎖のそのランにまだそのヘッドがあれば `FILE: ラン N のヘッド HASH（送信 TIME）: あり`、なければ `FILE: ラン N のヘッド HASH（送信 TIME）: 連鎖にありません（それより前に封印したランが書き換えられたか、巻き戻されました）` を書き、終了コードは 1 です。サーバーがヘッドを持たないファイルはそう伝え（`FILE: サーバーに記録されたヘッドはありません`）、終了コードを変えません。</source>
        <translation>Compares each file with its seal: `FILE: sealed (N runs)` (with `, K not sealed` when some runs are not sealed yet), or `FILE:LINE: reason` for every run changed, inserted, removed or reordered since it was sealed (LINE counted as check counts it; a fault of the seal file itself names `NAME.seal:LINE`). Runs that are not sealed are listed as `FILE:LINE: run N not sealed` and do not change the exit status.

With --server, each file is also checked against the heads the study database recorded when the site pushed it (vora_heads): `FILE: head HASH of run N, pushed TIME: found` when the chain still holds it at that run, else `FILE: head HASH of run N, pushed TIME: not in the chain (runs sealed before it were rewritten or rolled back)` and the exit status is 1. A file the server has no head of is said (`FILE: no head recorded by the server`) and does not change the exit status.</translation>
    </message>
    <message>
        <source>すべてのファイルが封印と一致する</source>
        <translation>every file matches its seal</translation>
    </message>
    <message>
        <source>封印の後に変更されたランがある、または期待したヘッドが連鎖にない</source>
        <translation>runs were changed since they were sealed, or the expected head is not in the chain</translation>
    </message>
    <message>
        <source>研究用データベースを作るか補う: テーブル、ロール、行単位のセキュリティ</source>
        <translation>create or complete the study database: tables, roles, row-level security</translation>
    </message>
    <message>
        <source>サイトのログインロールを作り、その study-server.txt を一度だけ書く</source>
        <translation>create the login role of a site and print its study-server.txt once</translation>
    </message>
    <message>
        <source>研究の取りまとめ役が、ロールを作る権限を持つデータベースの所有者として接続して使います。

init はないものを作り、あるものはそのままにするので、いつでも（以前の版が作ったテーブルの上でも）実行し直せます。作るのは、挿入のときにサーバーが各記録から解析する列（run_date、start_time、stimulus、hit_display、bit(100) の targets と inputs、hits、統合した数値のためのランごとの集計）を持つ追記専用のテーブル vora_runs（トリガーが UPDATE、DELETE、TRUNCATE を所有者にも拒みます）、保存されたランへの注記を行として加える vora_corrections、push ごとの封印ヘッドを持つ vora_heads、1 試行 1 行のビュー vora_trials、サイト・実験・日付・到着順のインデックス、メンバーが自分の名前でだけ行を加えられて何も変更できないグループロール vora_site（行単位のセキュリティ）、読み取り専用のロール vora_analyst です。最後に `研究用データベースの準備ができました（スキーマ版 N）` を書きます。

add-site は vora_site のメンバーであるログインロール NAME（英字、数字、&quot;-&quot;、&quot;_&quot; の 1〜32 文字）を新しい乱数のパスワードで作り、サイトの study-server.txt を書きます。1 行目がそのパスワード入りの接続文字列、2 行目がサイト名です。パスワードはこの一度だけ表示し、ほかのどこにも保存しません。2 行をサイトの study-server.txt に書いてください（chmod 600）。すでにロールである名前は断り、そのパスワードも変えません。</source>
        <translation>For the study coordinator, connected as the database&apos;s owner with the right to create roles.

init creates what is missing and leaves what is there, so it can be run again at any time (also over a table an earlier version made): the table vora_runs with the columns the server parses from each record at insert (run_date, start_time, stimulus, hit_display, targets and inputs as bit(100), hits, and the per-run tallies of the pooled figures), append-only (a trigger refuses UPDATE, DELETE and TRUNCATE, also for the owner); vora_corrections, remarks on stored runs added as rows; vora_heads, the seal head of every push; the view vora_trials, one row per trial; indexes per site, experiment, date and arrival; the group role vora_site, whose members add rows under their own name only (row-level security) and change nothing; and the read-only role vora_analyst. It prints `study database ready (schema version N)`.

add-site creates the login role NAME (1 to 32 letters, digits, &quot;-&quot; or &quot;_&quot;), a member of vora_site, with a new random password, and prints the site&apos;s study-server.txt: line 1 the connection string with that password, line 2 the site name. The password is shown this once and stored nowhere else: put the two lines in the site&apos;s study-server.txt (chmod 600). A name that is a role already is refused and keeps its password.</translation>
    </message>
    <message>
        <source>完了</source>
        <translation>done</translation>
    </message>
    <message>
        <source>サイトがすでにロールである、またはデータベースにサイトを加える準備ができていない（先に init を実行）</source>
        <translation>the site is a role already, or the database is not ready for sites (run init first)</translation>
    </message>
    <message>
        <source>研究用データベースに接続できないか変更できない、引数が正しくない、または出力を書き込めない</source>
        <translation>the study database cannot be reached or changed, the arguments are wrong, or the output cannot be written</translation>
    </message>
    <message>
        <source>simulate: 偶然（0.5）のほかにシミュレーションする的中率。例 0.51。</source>
        <translation>simulate: the hit rate to simulate besides chance (0.5), e.g. 0.51.</translation>
    </message>
    <message>
        <source>simulate: 的中率ごとにシミュレーションする研究の数（10000）。</source>
        <translation>simulate: the number of simulated studies per rate (10000).</translation>
    </message>
    <message>
        <source>simulate: 乱数の種。同じ種からは同じ数値が出ます。</source>
        <translation>simulate: the random seed; the same seed gives the same figures.</translation>
    </message>
    <message>
        <source>事前登録する研究のプロトコル（JSON）を検証する</source>
        <translation>validate a preregistered study&apos;s protocol (JSON)</translation>
    </message>
    <message>
        <source>プロトコルをサーバーの時刻とともに vora_protocols に保存し、その SHA-256 を書く</source>
        <translation>store the protocol in vora_protocols with the server&apos;s time; prints its SHA-256</translation>
    </message>
    <message>
        <source>偶然のときと RATE のときの、計画の動作特性</source>
        <translation>the plan&apos;s operating characteristics under chance and at RATE</translation>
    </message>
    <message>
        <source>事前登録する研究のプロトコル: 最初のランより前に固定する JSON ファイルです（項目は README にあります）。check はそれを読み、`FILE: ok`、計画、ファイルの SHA-256 を書くか、問題ごとに項目を挙げた 1 行 `FILE: 問題` を書きます。

register はファイルのバイト列を研究用データベースの追記専用のテーブル vora_protocols にサーバーの時刻とともに保存し、`登録しました: TITLE（TIME、ROLE）` と `sha256 HASH` を書きます（同じバイト列が前に登録されていれば `登録済み` と最初の時刻）。研究の最初のランより後に登録したプロトコルには警告します。それはレポートの監査に決して通りません。登録の後に変えたファイルも、ハッシュが変わるので通りません。

simulate は逐次的な計画をシミュレーションした研究で動かし、停止点の間の一致数を二項分布から引いて、的中率ごとに H1 で停止、H0 で停止、最大で停止する確率と試行数の期待値を、それぞれのモンテカルロ標準誤差とともに書きます。試行数が 20000 以下の計画では、すべての二項の経路について合計した正確な数値も書きます。</source>
        <translation>The protocol of a preregistered study: a JSON file fixed before the first run (its fields are in the README). check reads it and prints `FILE: ok`, the plan and the file&apos;s SHA-256, or one line `FILE: problem` per problem, naming the field.

register stores the file&apos;s bytes in the append-only table vora_protocols of the study database, with the server&apos;s time, and prints `registered TITLE at TIME by ROLE` and `sha256 HASH` (`already registered` with the first time when the same bytes were registered before). A protocol registered after the study&apos;s first run is warned about: it never passes the report&apos;s audit; nor does a file changed after registration, whose hash is another.

simulate runs the sequential plan on simulated studies, drawing the binomial count of hits between stopping points, and prints per rate the probability of stopping for H1, for H0 and at the maximum, and the expected number of trials, each with its Monte-Carlo standard error; for plans of at most 20000 trials also the exact figures, summed over every binomial path.</translation>
    </message>
    <message>
        <source>プロトコルは有効（さらに登録した、またはシミュレーションした）</source>
        <translation>the protocol is valid (and registered, or simulated)</translation>
    </message>
    <message>
        <source>プロトコルが有効でない</source>
        <translation>the protocol is not valid</translation>
    </message>
    <message>
        <source>そのファイルか研究用データベースを読めない、引数が正しくない、または出力を書き込めない</source>
        <translation>the file or the study database cannot be read, the arguments are wrong, or the output cannot be written</translation>
    </message>
    <message>
        <source>計画した停止点での主解析。呼び出しはすべて記録する</source>
        <translation>the primary analysis at the planned stopping points; every call recorded</translation>
    </message>
    <message>
        <source>研究の取りまとめ役のためのコマンドです。登録した研究のラン（そのサイトと実験の、検査に通るランを、サーバーが受信した順に）を、データが達していてまだどの呼び出しも解析していない停止点ごとに、その点までの試行だけで解析し、呼び出しをすべて vora_looks に記録します（誰が、いつ、そのときの試行数、停止点、判定）。停止点ごとに 1 行 `N 試行: 判定` を書きます。判定は継続、または H1 で停止、H0 で停止、最大で停止のいずれかです。盲検化ありでは、数値（一致数、的中率、各事前分布の BF10）は研究が停止してから書き、盲検化なしでは停止点ごとに書きます。停止すると研究は終わり、プログラムはその研究の新しいランを受け付けません。次の停止点の前は `停止点に達していません: N 試行、次の停止点は M 試行` です。停止の後は、どの呼び出しも判定をその数値とともに繰り返します。プロトコルのファイルは登録したもの（同じ SHA-256）でなければなりません。</source>
        <translation>For the study coordinator. Analyses the registered study&apos;s runs (its sites and experiments, the runs that pass the check, in the order the server received them) at each stopping point the data have reached and no earlier call analysed, over exactly that point&apos;s first trials, and records every call in vora_looks (who, when, the trials there were, the point, the decision). Per point one line `at N trials: DECISION`: continue, or a stop for H1, for H0 or at the maximum. With blinding on, the figures (hits, hit rate, each prior&apos;s BF10) are printed only once the study has stopped; with blinding off, at every point. A stop closes the study: the program refuses new runs of it. Before the next point: `no stopping point reached: N trials, the next point at M`. After the stop every call repeats the decision with its figures. The protocol file must be the registered one (same SHA-256).</translation>
    </message>
    <message>
        <source>呼び出しを解析して記録した</source>
        <translation>the call was analysed and recorded</translation>
    </message>
    <message>
        <source>プロトコルが有効でないか、登録されていない</source>
        <translation>the protocol is not valid or not registered</translation>
    </message>
    <message>
        <source>そのファイルか研究用データベースを読めないか書き込めない、または引数が正しくない</source>
        <translation>the file or the study database cannot be read or written, or the arguments are wrong</translation>
    </message>
    <message>
        <source>不明なオプション %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>--%1 は値を取りません</source>
        <translation>--%1 takes no value</translation>
    </message>
    <message>
        <source>--%1 には %2 が必要です</source>
        <translation>--%1 needs %2</translation>
    </message>
    <message>
        <source>-%1 には %2 が必要です</source>
        <translation>-%1 needs %2</translation>
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
    <name>DataInput</name>
    <message>
        <source>ファイルが検査に通りません。そのランは使いません</source>
        <translation>the file fails the check; its runs are not used</translation>
    </message>
    <message>
        <source>%1（データファイルではありません）</source>
        <translation>%1, not a data file</translation>
    </message>
</context>
<context>
    <name>EvaluateCommand</name>
    <message>
        <source>&quot;h s1 s2 s3 s4 s5&quot;（6 つの数）か &quot;s1 s2 s3 s4 s5&quot; が必要ですが、項目が %1 個あります</source>
        <translation>expected &quot;h s1 s2 s3 s4 s5&quot; (6 numbers) or &quot;s1 s2 s3 s4 s5&quot;, got %1 fields</translation>
    </message>
    <message>
        <source>&quot;%1&quot; は数ではありません</source>
        <translation>&quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <source>試行部分 %1 は 0 から %2 の間でなければなりません</source>
        <translation>segment %1 must lie between 0 and %2</translation>
    </message>
    <message>
        <source>一致数は 0 から %1 の間でなければなりません</source>
        <translation>hits must lie between 0 and %1</translation>
    </message>
    <message>
        <source>一致数 %1 が試行部分の合計 %2 と違います</source>
        <translation>hits %1 differ from the sum of the segments %2</translation>
    </message>
    <message>
        <source>標準入力を読むので、ファイルは指定できません</source>
        <translation>reads standard input and takes no file</translation>
    </message>
    <message>
        <source>行が %1 バイトを超えています</source>
        <translation>line longer than %1 bytes</translation>
    </message>
    <message>
        <source>%1 行目: %2</source>
        <translation>line %1: %2</translation>
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
    <name>ExportCommand</name>
    <message>
        <source>--csv か --json のどちらかを選んでください</source>
        <translation>choose either --csv or --json</translation>
    </message>
    <message>
        <source>ファイルが指定されていません</source>
        <translation>no file given</translation>
    </message>
    <message>
        <source>ファイルは一度に 1 つです</source>
        <translation>one file at a time</translation>
    </message>
</context>
<context>
    <name>FileResult</name>
    <message>
        <source>ファイルがありません</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>フォルダです</source>
        <translation>is a directory</translation>
    </message>
    <message>
        <source>通常のファイルではありません（パイプや装置など）</source>
        <translation>is not a regular file (a pipe, device or socket)</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます（%1 MiB を超えています）</source>
        <translation>file too large (over %1 MiB)</translation>
    </message>
    <message>
        <source>読めません（%1）</source>
        <translation>cannot read: %1</translation>
    </message>
    <message>
        <source>同じ名前のフォルダがあります</source>
        <translation>a directory stands in its place</translation>
    </message>
    <message>
        <source>同じ名前で、通常のファイルではないもの（パイプや装置など）があります</source>
        <translation>something that is not a regular file stands in its place</translation>
    </message>
    <message>
        <source>ロック用のファイル %1 が通常のファイルではありません</source>
        <translation>its lock file %1 is not a regular file</translation>
    </message>
    <message>
        <source>ロック用のファイル %1 を作れません（%2）</source>
        <translation>cannot make its lock file %1 (%2)</translation>
    </message>
    <message>
        <source>別のプログラムが書き込んでいます。少し待ってからもう一度試してください</source>
        <translation>another program is writing it; try again in a moment</translation>
    </message>
    <message>
        <source>フォルダを作れません（同じ名前のファイルがあります）</source>
        <translation>cannot make the directory: a file stands in its place</translation>
    </message>
    <message>
        <source>フォルダを作れません（%1）</source>
        <translation>cannot make the directory: %1</translation>
    </message>
    <message>
        <source>Windows の日本語の文字コード（CP932）で保存できない文字があります（%1）</source>
        <translation>holds a character the Windows Japanese code page cannot store (%1)</translation>
    </message>
    <message>
        <source>原因のわからないエラーです</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>ディスクの空き容量が足りません</source>
        <translation>No space left on device</translation>
    </message>
    <message>
        <source>ディスクの使用量の上限（クォータ）に達しています</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>アクセスする権限がありません</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>この操作は許されていません</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>読み取り専用の場所です</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>ディスクの読み書きに失敗しました（入出力エラー）</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>ファイルかフォルダが見つかりません</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>パスの途中がフォルダではありません</source>
        <translation>Not a directory</translation>
    </message>
    <message>
        <source>フォルダです</source>
        <comment>EISDIR</comment>
        <translation>Is a directory</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます</source>
        <translation>File too large</translation>
    </message>
    <message>
        <source>システムのエラーです（%1）</source>
        <translation>%1</translation>
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
    <name>Help</name>
    <message>
        <source>使い方:</source>
        <translation>usage:</translation>
    </message>
    <message>
        <source>1 つのコマンドの詳しい説明</source>
        <translation>one command in detail</translation>
    </message>
    <message>
        <source>バージョン</source>
        <translation>the version</translation>
    </message>
    <message>
        <source>この説明</source>
        <translation>this text</translation>
    </message>
    <message>
        <source>出力は UTF-8 です。終了コード 2 は、引数が正しくない、読めないファイルがある、または出力を書き込めないことを表します。
マニュアル: man vora-data
</source>
        <translation>Output is UTF-8. Exit code 2 means wrong arguments, an unreadable file or output that cannot be written.
The manual: man vora-data
</translation>
    </message>
    <message>
        <source>この説明。</source>
        <translation>This text.</translation>
    </message>
    <message>
        <source>オプション:</source>
        <translation>options:</translation>
    </message>
    <message>
        <source>終了コード:</source>
        <translation>exit status:</translation>
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
    <name>Output</name>
    <message>
        <source>標準出力に書き込めません: %1。出力は途中で切れています</source>
        <translation>cannot write to standard output: %1; the output is incomplete</translation>
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
    <name>PooledCommand</name>
    <message>
        <source>--pooled にはファイルか --server のどちらか一方を指定します</source>
        <translation>--pooled takes files or --server, not both</translation>
    </message>
    <message>
        <source>--pooled: ファイルが指定されていません</source>
        <translation>--pooled: no file given</translation>
    </message>
</context>
<context>
    <name>PooledInput</name>
    <message>
        <source>警告: %1 は %2 と同じファイルです。1 度だけ送ります</source>
        <translation>warning: %1 names the same file as %2; sent once</translation>
    </message>
    <message>
        <source>警告: %1 は %2 と同じファイルです。1 度だけ数えます</source>
        <translation>warning: %1 names the same file as %2; counted once</translation>
    </message>
    <message>
        <source>%1:%2（ラン %3）</source>
        <translation>%1:%2 (run %3)</translation>
    </message>
    <message numerus="yes">
        <source>警告: %1 のラン %n 件は、同じファイルの前のランと同じ内容で記録されています。最初は %2 = %3。複写したランは 2 度数えられます</source>
        <translation>
            <numerusform>warning: %n run of %1 stored identically as earlier runs of the same file, first %2 = %3; a copied run counts twice</numerusform>
            <numerusform>warning: %n runs of %1 stored identically as earlier runs of the same file, first %2 = %3; a copied run counts twice</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>警告: %1 のラン %n 件は、%2 のランと同じ内容で記録されています。最初は %3 = %4。複写したランは 2 度数えられます</source>
        <translation>
            <numerusform>warning: %n run of %1 stored identically as runs of %2, first %3 = %4; a copied run counts twice</numerusform>
            <numerusform>warning: %n runs of %1 stored identically as runs of %2, first %3 = %4; a copied run counts twice</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Protocol</name>
    <message>
        <source>JSON ではありません（%2 バイト目: %1）</source>
        <translation>not JSON: %1 at byte %2</translation>
    </message>
    <message>
        <source>プロトコルは 1 つの JSON オブジェクトです</source>
        <translation>the protocol is one JSON object</translation>
    </message>
    <message>
        <source>不明な項目 &quot;%1&quot;（綴りを誤った項目は、気づかれないまま効かなくなります）</source>
        <translation>unknown field &quot;%1&quot; (a misspelt field would silently not count)</translation>
    </message>
    <message>
        <source>title: 空でない文字列が必要です</source>
        <translation>title: a non-empty text is required</translation>
    </message>
    <message>
        <source>%1: 名前のリストを指定します</source>
        <translation>%1: a list of names</translation>
    </message>
    <message>
        <source>%1: 要素はすべて空でない名前にします</source>
        <translation>%1: every entry is a non-empty name</translation>
    </message>
    <message>
        <source>hypothesis: &quot;two-sided&quot; か &quot;greater&quot;（的中率が 0.5 より上）</source>
        <translation>hypothesis: &quot;two-sided&quot; or &quot;greater&quot; (hit rate above 0.5)</translation>
    </message>
    <message>
        <source>primary: &quot;priors&quot; と &quot;rule&quot; を持つオブジェクトが必要です</source>
        <translation>primary: an object with &quot;priors&quot; and &quot;rule&quot; is required</translation>
    </message>
    <message>
        <source>primary.priors: どの事前分布にも名前が必要です</source>
        <translation>primary.priors: every prior has a name</translation>
    </message>
    <message>
        <source>primary.priors: 名前 &quot;%1&quot; が 2 回使われています</source>
        <translation>primary.priors: the name &quot;%1&quot; is used twice</translation>
    </message>
    <message>
        <source>primary.priors: 事前分布 &quot;%1&quot; には a &gt; 0 と b &gt; 0 が必要です（Beta(a, b)）</source>
        <translation>primary.priors: prior &quot;%1&quot; needs a &gt; 0 and b &gt; 0 (Beta(a, b))</translation>
    </message>
    <message>
        <source>primary.priors: 事前分布を 1 つ以上指定します（例 {&quot;name&quot;: &quot;uniform&quot;, &quot;a&quot;: 1, &quot;b&quot;: 1}）</source>
        <translation>primary.priors: at least one prior, e.g. {&quot;name&quot;: &quot;uniform&quot;, &quot;a&quot;: 1, &quot;b&quot;: 1}</translation>
    </message>
    <message>
        <source>primary.decidingPrior: 事前分布のどれか 1 つの名前を指定します（rule &quot;one&quot;）</source>
        <translation>primary.decidingPrior: the name of one of the priors (rule &quot;one&quot;)</translation>
    </message>
    <message>
        <source>primary.rule: &quot;all&quot;（すべての事前分布の BF10 が閾値を超える）か &quot;one&quot;（decidingPrior と一緒に）</source>
        <translation>primary.rule: &quot;all&quot; (every prior&apos;s BF10 crosses the threshold) or &quot;one&quot; (with decidingPrior)</translation>
    </message>
    <message>
        <source>thresholds.h1: 1 より大きいベイズ因子（例 25）</source>
        <translation>thresholds.h1: a Bayes factor above 1, e.g. 25</translation>
    </message>
    <message>
        <source>thresholds.h0: 0 と 1 の間のベイズ因子（例 0.04 = 1/25）</source>
        <translation>thresholds.h0: a Bayes factor between 0 and 1, e.g. 0.04 (1/25)</translation>
    </message>
    <message>
        <source>minTrials: 試行数を整数で指定します</source>
        <translation>minTrials: a whole number of trials</translation>
    </message>
    <message>
        <source>maxTrials: 0 より大きい試行数を整数で指定します</source>
        <translation>maxTrials: a whole number of trials above 0</translation>
    </message>
    <message>
        <source>stoppingPoints: データを解析する時点の試行数のリスト</source>
        <translation>stoppingPoints: a list of trial counts at which the data are analysed</translation>
    </message>
    <message>
        <source>stoppingPoints: 試行数は整数で、それぞれ前の点より大きくします</source>
        <translation>stoppingPoints: whole trial counts, each above the one before</translation>
    </message>
    <message>
        <source>stoppingPoints: 最後の点は maxTrials（%1）にします</source>
        <translation>stoppingPoints: the last point is maxTrials (%1)</translation>
    </message>
    <message>
        <source>stoppingPoints: minTrials（%1）より前に点は置けません</source>
        <translation>stoppingPoints: no point before minTrials (%1)</translation>
    </message>
    <message>
        <source>minTrials: maxTrials より大きくできません</source>
        <translation>minTrials: not above maxTrials</translation>
    </message>
    <message>
        <source>blinding: true（中間解析は判定だけを示す）か false</source>
        <translation>blinding: true (interim looks tell only the decision) or false</translation>
    </message>
    <message>
        <source>secondary.binomialAlpha: 0 と 1 の間の水準（例 0.005）</source>
        <translation>secondary.binomialAlpha: a level between 0 and 1, e.g. 0.005</translation>
    </message>
    <message>
        <source>1 MiB より大きいファイルはプロトコルではありません</source>
        <translation>larger than 1 MiB: not a protocol</translation>
    </message>
</context>
<context>
    <name>ProtocolCommand</name>
    <message>
        <source>すべての事前分布の BF10 が同じ閾値を超える</source>
        <translation>every prior&apos;s BF10 past the same threshold</translation>
    </message>
    <message>
        <source>%1 の BF10</source>
        <translation>the BF10 of %1</translation>
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
        <translation>title: %1
hypothesis: %2
priors: %3
rule: %4
stopping points: %5 trials
thresholds: BF10 &gt;= %6 for H1, &lt;= %7 for H0
trials: %8 to %9
blinding: %10
</translation>
    </message>
    <message>
        <source>あり</source>
        <translation>on</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>off</translation>
    </message>
    <message>
        <source>的中率 %1、%2: H1 で停止 %3、H0 で停止 %4、最大で停止 %5。試行数の期待値 %6
</source>
        <translation>rate %1, %2: stop for H1 %3, for H0 %4, at the maximum %5; expected trials %6
</translation>
    </message>
    <message>
        <source>--sims にはシミュレーションの回数を 1 から 10000000 で指定します</source>
        <translation>--sims takes a number of simulations from 1 to 10000000</translation>
    </message>
    <message>
        <source>--rate には 0 と 1 の間の的中率を指定します（例 0.51）</source>
        <translation>--rate takes a hit rate between 0 and 1, e.g. 0.51</translation>
    </message>
    <message>
        <source>--seed には整数を指定します</source>
        <translation>--seed takes a whole number</translation>
    </message>
    <message>
        <source>シミュレーション %1 回</source>
        <translation>%1 simulations</translation>
    </message>
    <message>
        <source>正確な値</source>
        <translation>exact</translation>
    </message>
    <message>
        <source>登録しました: %1（%2、%3）</source>
        <translation>registered %1 at %2 by %3</translation>
    </message>
    <message>
        <source>登録済み: %1（%2、%3）</source>
        <translation>already registered %1 at %2 by %3</translation>
    </message>
    <message>
        <source>警告: 研究にはすでにラン %1 件があります（最初の受信 %2）。最初のランより後に登録したプロトコルはレポートの監査に通りません</source>
        <translation>warning: the study has %1 runs already (the first received %2): a protocol registered after the first run does not pass the report&apos;s audit</translation>
    </message>
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
        <source>  一致 %1 / %2 試行（的中率 %3）
</source>
        <translation>  hits %1 of %2 trials (hit rate %3)
</translation>
    </message>
    <message>
        <source>check、register、simulate のどれかと FILE が必要です</source>
        <translation>check, register or simulate FILE is required</translation>
    </message>
    <message>
        <source>不明な操作 &quot;%1&quot;</source>
        <translation>unknown action &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 にはプロトコルの FILE を 1 つ指定します</source>
        <translation>%1 takes one protocol FILE</translation>
    </message>
    <message>
        <source>--rate、--sims、--seed は simulate のためのものです</source>
        <translation>--rate, --sims and --seed belong to simulate</translation>
    </message>
    <message>
        <source>--server は register のためのものです</source>
        <translation>--server belongs to register</translation>
    </message>
    <message>
        <source>PROTOCOL ファイルを 1 つ指定してください</source>
        <translation>one PROTOCOL file is required</translation>
    </message>
    <message>
        <source>%1: このプロトコル（sha256 %2）は登録されていません。中間解析は登録した計画にだけ従います（vora-data protocol register）</source>
        <translation>%1: this protocol (sha256 %2) is not registered: interim looks follow a registered plan only (vora-data protocol register)</translation>
    </message>
    <message>
        <source>研究は %1 試行で停止しました（%2）: %3
</source>
        <translation>the study stopped at %1 trials (%2): %3
</translation>
    </message>
    <message>
        <source>%1 試行: %2
</source>
        <translation>at %1 trials: %2
</translation>
    </message>
    <message>
        <source>研究は終わりました。プログラムはこの研究の新しいランを受け付けません
</source>
        <translation>the study is closed: the program refuses new runs of it
</translation>
    </message>
    <message>
        <source>停止点に達していません: %1 試行、次の停止点は %2 試行
</source>
        <translation>no stopping point reached: %1 trials, the next point at %2
</translation>
    </message>
</context>
<context>
    <name>PushCommand</name>
    <message>
        <source>%1:%2: ラン %3 は保存済みの記録と衝突します（上書きしません）</source>
        <translation>%1:%2: run %3 conflicts with the record stored for it (not overwritten)</translation>
    </message>
    <message>
        <source>%1: 送信 %2、既存 %3、衝突 %4</source>
        <translation>%1: sent %2, already there %3, conflict %4</translation>
    </message>
    <message>
        <source>ファイルが指定されていません</source>
        <translation>no file given</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>--lang には ja か en を指定します（&quot;%1&quot; ではなく）</source>
        <translation>--lang takes ja or en, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>-o にはファイル名が必要です</source>
        <translation>-o needs a file name</translation>
    </message>
    <message>
        <source>ファイルか --server のどちらか一方を指定します</source>
        <translation>files or --server, not both</translation>
    </message>
    <message>
        <source>ファイルが指定されていません</source>
        <translation>no file given</translation>
    </message>
    <message>
        <source>--protocol には --server が必要です。計画は研究用データベースと照らし合わせます</source>
        <translation>--protocol needs --server: the plan is checked against the study database</translation>
    </message>
    <message>
        <source>%1 を書き込めません: %2</source>
        <translation>cannot write %1: %2</translation>
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
    <name>SealCommand</name>
    <message>
        <source>ファイルが指定されていません</source>
        <translation>no file given</translation>
    </message>
    <message>
        <source>%1: 封印しませんでした: %2</source>
        <translation>%1: not sealed: %2</translation>
    </message>
    <message>
        <source>%1: ラン 1-%2 は封印されていませんでした。連鎖をラン 1 から書き直しました。古いヘッド %3 とそれまでに公開したヘッドはもう一致しません</source>
        <translation>%1: runs 1-%2 were not sealed: the chain is rewritten from run 1; the old head %3 and every head published before no longer match</translation>
    </message>
    <message>
        <source>%1: 封印済み（ラン %2 件、新規 %3 件）。ヘッド %4</source>
        <translation>%1: sealed (%2 runs, %3 new); head %4</translation>
    </message>
    <message>
        <source>%1: ラン 1-%2 は封印されていません。連鎖はラン %3 から始まります。seal --reseal で連鎖をラン 1 から書き直せます（ヘッドは変わります）</source>
        <translation>%1: runs 1-%2 are not sealed: the chain starts at run %3; seal --reseal rewrites the chain from run 1 (its head changes)</translation>
    </message>
</context>
<context>
    <name>SealTool</name>
    <message>
        <source>封印ファイル %1: %2</source>
        <translation>seal file %1: %2</translation>
    </message>
    <message>
        <source>ラン %1 は封印した後に書き換えられています（封印したときはラン %2）</source>
        <translation>run %1 changed since it was sealed (sealed as run %2)</translation>
    </message>
    <message>
        <source>ラン %1 は、前後のランを封印した後に加えられています</source>
        <translation>run %1 was inserted after the runs around it were sealed</translation>
    </message>
    <message>
        <source>最初に封印したランより前のランが消えています</source>
        <translation>a run before the first sealed run was removed</translation>
    </message>
    <message>
        <source>封印したラン %1 が消えています</source>
        <translation>sealed run %1 was removed</translation>
    </message>
    <message>
        <source>ラン %1 は封印したときはラン %2 でした。ランの順番が入れ替えられています</source>
        <translation>run %1 was sealed as run %2: the runs were reordered</translation>
    </message>
    <message>
        <source>封印の連鎖がラン %1 のところで切れています。封印した後に、ランが削除されたか、順番が入れ替えられています</source>
        <translation>the chain breaks at run %1: runs were removed or reordered after they were sealed</translation>
    </message>
    <message>
        <source>封印ファイルがここで壊れているか、書き換えられています</source>
        <translation>the seal file is malformed or was edited here</translation>
    </message>
    <message>
        <source>ラン %1 は封印されていません</source>
        <translation>run %1 not sealed</translation>
    </message>
    <message>
        <source>ラン %1（%2 行目）の 1-261 桁に ASCII 以外の文字があります</source>
        <translation>run %1 (line %2) holds characters other than ASCII in columns 1-261</translation>
    </message>
    <message>
        <source>刺激なしの実験のラン %1（%2 行目）の 27 桁目が &quot;n&quot; ではありません。プログラムを一度起動して以前の形式を変換させてから封印してください</source>
        <translation>run %1 (line %2) of a series without stimulus has no &quot;n&quot; in column 27: start the program once so that it converts the earlier format, then seal</translation>
    </message>
    <message>
        <source>ロック用のファイル %1 を使えません（別のプログラムがこの実験に書き込んでいるか、フォルダが読み取り専用です）</source>
        <translation>cannot take the lock %1 (another program is writing this experiment, or the folder is read-only)</translation>
    </message>
    <message>
        <source>今ある封印が検証に通りません。何も封印しませんでした</source>
        <translation>the existing seal does not verify; nothing sealed</translation>
    </message>
    <message>
        <source>%1。何も封印しませんでした</source>
        <translation>%1; nothing sealed</translation>
    </message>
    <message>
        <source>封印ファイル %1 に書き込めません: %2</source>
        <translation>cannot write the seal file %1: %2</translation>
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
    <message>
        <source>--server か --server-file を 1 度だけ指定します</source>
        <translation>--server or --server-file, once</translation>
    </message>
    <message>
        <source>警告: コマンドラインのパスワードは、このコンピューターのすべてのユーザーが読めます（ps）。~/.pgpass、PGPASSFILE、PGPASSWORD か --server-file を使ってください</source>
        <translation>warning: a password on the command line can be read by every user of this computer (ps); use ~/.pgpass, PGPASSFILE, PGPASSWORD or --server-file</translation>
    </message>
    <message>
        <source>--site には英字、数字、&quot;-&quot;、&quot;_&quot; の 1〜32 文字を指定します</source>
        <translation>--site takes 1 to 32 letters, digits, &quot;-&quot; or &quot;_&quot;</translation>
    </message>
    <message>
        <source>ファイルがありません</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>警告: %1 にはパスワードがあり、ほかのユーザーが読めるかもしれません（chmod 600）</source>
        <translation>warning: %1 holds a password and other users may read it (chmod 600)</translation>
    </message>
    <message>
        <source>--server CONNINFO か --server-file FILE が必要です</source>
        <translation>--server CONNINFO or --server-file FILE is required</translation>
    </message>
    <message>
        <source>--site NAME が必要です</source>
        <translation>--site NAME is required</translation>
    </message>
    <message>
        <source>--site には --server か --server-file が必要です</source>
        <translation>--site needs --server or --server-file</translation>
    </message>
    <message>
        <source>研究用データベースにサイト %1 のランはありません</source>
        <translation>no run of site %1 in the study database</translation>
    </message>
    <message>
        <source>保存されたランが検査に通りません。何もまとめません</source>
        <translation>stored runs fail the check; nothing is pooled</translation>
    </message>
</context>
<context>
    <name>StudyCommand</name>
    <message>
        <source>init か add-site NAME が必要です</source>
        <translation>init or add-site NAME is required</translation>
    </message>
    <message>
        <source>不明な操作 &quot;%1&quot;</source>
        <translation>unknown action &quot;%1&quot;</translation>
    </message>
    <message>
        <source>init: 余分な引数 %1</source>
        <translation>init: unexpected argument %1</translation>
    </message>
    <message>
        <source>add-site にはサイトの NAME を 1 つ指定します</source>
        <translation>add-site takes one site NAME</translation>
    </message>
    <message>
        <source>サイトの NAME は英字、数字、&quot;-&quot;、&quot;_&quot; の 1〜32 文字です</source>
        <translation>a site NAME is 1 to 32 letters, digits, &quot;-&quot; or &quot;_&quot;</translation>
    </message>
    <message>
        <source>研究用データベースの準備ができました（スキーマ版 %1）</source>
        <translation>study database ready (schema version %1)</translation>
    </message>
    <message>
        <source>サイト %1 を加えました。上の 2 行がその study-server.txt です（chmod 600）。パスワードはこの一度だけ表示し、ほかのどこにも保存していません。</source>
        <translation>site %1 added; the lines above are its study-server.txt (chmod 600). The password is shown this once and is not stored anywhere else.</translation>
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
    <name>SummaryCommand</name>
    <message>
        <source>--upto は 1 つのファイルのランを読むもので、--pooled とは使えません</source>
        <translation>--upto reads one file&apos;s runs; not with --pooled</translation>
    </message>
    <message>
        <source>--%1 には --pooled が必要です</source>
        <translation>--%1 needs --pooled</translation>
    </message>
    <message>
        <source>ファイルが指定されていません</source>
        <translation>no file given</translation>
    </message>
    <message>
        <source>ファイルは一度に 1 つです（--pooled なら複数を指定できます）</source>
        <translation>one file at a time (--pooled takes several)</translation>
    </message>
    <message>
        <source>--upto には 1 以上のラン番号を指定します（&quot;%1&quot; ではなく）</source>
        <translation>--upto needs a run number of 1 or more, not &quot;%1&quot;</translation>
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
    <name>VerifyCommand</name>
    <message>
        <source>%1: 封印済み（ラン %2 件、未封印 %3 件）</source>
        <translation>%1: sealed (%2 runs, %3 not sealed)</translation>
    </message>
    <message>
        <source>%1: 封印済み（ラン %2 件）</source>
        <translation>%1: sealed (%2 runs)</translation>
    </message>
    <message>
        <source>--expect-head には 16 進数 64 桁を指定します</source>
        <translation>--expect-head wants 64 hex digits</translation>
    </message>
    <message>
        <source>ファイルが指定されていません</source>
        <translation>no file given</translation>
    </message>
    <message>
        <source>%1: ヘッド %2 はラン %3 にあります（封印 %4）</source>
        <translation>%1: head %2 found at run %3 (sealed %4)</translation>
    </message>
    <message>
        <source>%1: ヘッド %2 は連鎖にありません。それより前に封印したランが書き換えられたか、巻き戻されました</source>
        <translation>%1: head %2 is not in the chain: runs sealed before it were rewritten or rolled back</translation>
    </message>
    <message>
        <source>%1: 封印したランがなく、ヘッドもありません</source>
        <translation>%1: no sealed run, no head</translation>
    </message>
    <message>
        <source>%1: ヘッド %2（ラン %3）</source>
        <translation>%1: head %2 (run %3)</translation>
    </message>
    <message>
        <source>%1: サーバーに記録されたヘッドはありません</source>
        <translation>%1: no head recorded by the server</translation>
    </message>
    <message>
        <source>%1: ラン %3 のヘッド %2（送信 %4）: あり</source>
        <translation>%1: head %2 of run %3, pushed %4: found</translation>
    </message>
    <message>
        <source>%1: ラン %3 のヘッド %2（送信 %4）: 連鎖にありません（それより前に封印したランが書き換えられたか、巻き戻されました）</source>
        <translation>%1: head %2 of run %3, pushed %4: not in the chain (runs sealed before it were rewritten or rolled back)</translation>
    </message>
</context>
<context>
    <name>vora-data</name>
    <message>
        <source>コマンドが指定されていません</source>
        <translation>no command given</translation>
    </message>
    <message>
        <source>%1: 余分な引数 %2</source>
        <translation>%1: unexpected argument %2</translation>
    </message>
    <message>
        <source>--man: 英語のカタログ vora_en.qm が見つかりません</source>
        <translation>--man: the English catalogue vora_en.qm is not found</translation>
    </message>
    <message>
        <source>不明なコマンド &quot;%1&quot;</source>
        <translation>unknown command &quot;%1&quot;</translation>
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
        <translation>ESP experiments, measuring, training</translation>
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
