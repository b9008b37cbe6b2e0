#include "CommandLine.h"

#include "Commands.h"
#include "Output.h"

#include "core/toolkit/Language.h"

#include <QCoreApplication>

#include <map>

namespace voradata {

namespace {

// The texts of the definitions, under the translation context "CommandLine". Option names,
// placeholders and the quoted output lines stay as they are typed or printed.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// `siteHelp`: what --site means for the command; empty: the command takes no --site.
QVector<OptionDef> serverOptions(const QString &siteHelp)
{
    QVector<OptionDef> options{
        {{QStringLiteral("server")},
         QStringLiteral("CONNINFO"),
         Texts::tr("研究用データベース。key=value の組を並べた libpq の接続文字列です"
                   "（`host=study.example.org dbname=vora_study user=tokyo1`。空白を含む値は一重引用符で囲みます）。"
                   "書かれていないもの（パスワードも含む）は、libpq が環境変数 PG* と ~/.pgpass から取ります"
                   "（ENVIRONMENT を参照）。ここに書いたパスワードは決して表示しません。")},
        {{QStringLiteral("server-file")},
         QStringLiteral("FILE"),
         Texts::tr(
             "研究用データベースを、プログラム自身の study-server.txt の形のファイルから読みます。1 行目が接続文字列、"
             "2 行目がサイト名です（--site がないときに使います）。所有者だけが読めるようにしてください"
             "（chmod 600）。コマンドラインに書いたパスワードは ps を通してすべてのユーザーに見えるので、警告します。")},
    };
    if (!siteHelp.isEmpty())
        options.append({{QStringLiteral("site")}, QStringLiteral("NAME"), siteHelp});
    return options;
}

QVector<CommandDef> makeSpecs()
{
    const ExitDef unreadable{2, Texts::tr("読めないファイルがある、引数が正しくない、または出力を書き込めない")};
    QVector<CommandDef> defs;

    defs.append(
        {QStringLiteral("check"),
         {{QStringLiteral("FILE..."),
           Texts::tr("すべてのラン行を検査する。終了コードは 0 問題なし、1 破損あり、2 読めないファイルあり")}},
         Texts::tr(
             "各 FILE にプログラムと同じ整合性検査を行います。標準出力にはファイルごとに 1 行、"
             "`FILE: ok（ラン N 件）` か、最初の不正な行について `FILE:LINE: 理由` を書きます（LINE はファイルの"
             "行番号で、条件メモの行も数えます。ランの桁に CP932 として正しくないバイトがあれば破損とみなします）。"
             "読めないファイル（存在しない、フォルダ、パイプやデバイス、16 MiB を超える、権限がない）は標準エラーに"
             "報告します。すべてのファイルを検査し、最も悪い結果が終了コードを決めます。"),
         {},
         {{0, Texts::tr("すべてのファイルが正常")}, {1, Texts::tr("破損したファイルがある")}, unreadable}});

    QVector<OptionDef> summaryOptions{
        {{QStringLiteral("upto")},
         QStringLiteral("N"),
         Texts::tr("ラン 1 から N までだけを読みます（プログラムで第 N ランを見るときと同じです）。")},
        {{QStringLiteral("pooled")},
         QString(),
         Texts::tr(
             "指定したすべての FILE の証拠を、--server では研究用データベースのランの証拠を、1 つにまとめます。")},
    };
    summaryOptions += serverOptions(
        Texts::tr("このサイトのランだけをまとめます。サイト名は英字、数字、\"-\"、\"_\" の 1〜32 文字です。"));
    defs.append(
        {QStringLiteral("summary"),
         {{QStringLiteral("FILE [--upto N]"), Texts::tr("結果画面の数値と文章を JSON で出力する（ラン 1..N）")},
          {QStringLiteral("--pooled FILE..."),
           Texts::tr("複数の実験をまとめた証拠を、その監査とともに JSON で出力する")},
          {QStringLiteral("--pooled --server CONNINFO|--server-file FILE [--site NAME]"),
           Texts::tr("同じものを研究用データベースのランについて出力する")}},
         Texts::tr(
             "--pooled なし: FILE について結果画面が示す内容を 1 つの JSON オブジェクトで書きます。`runs`、"
             "`summaryLine`、`periodLine`、`allRunAnalysis`、`congratulation`、有意水準ごとの件数 `levels`、`perRun`"
             "（n、date、time、hits、segments、stimulusTrial、tr1、in1、memo と、そのランの正確な両側二項検定の p で"
             "ある `p`）、`total`（読んだ全試行の hits、trials、z、p）です。改行は \\n で表します。\n\n"
             "--pooled あり: `experiments`（ファイルごとの file、runs、trials、hits、hitRate、z、p）と、全ファイルに"
             "わたる証拠 `pooled` を 1 つの JSON オブジェクトで書きます。`pooled` には、正確二項検定の p、95 % "
             "Clopper-Pearson 区間 `ci95`、Stouffer の `stoufferZ` と `stoufferP`、ベイズ因子 `log10Bf10`（一様事前分布"
             "と再現事前分布）、事後分布の最頻値と 90 % 最高密度区間 `posterior`、\"1\" の割合 `responseBias`、"
             "直前の試行への依存 `dependency`（Fisher の正確検定）、`targets` の NIST 頻度検定と連検定があります。"
             "2 度指定したファイル（./a と a、リンクを通した指定も含む）は 1 度だけ数え、2 か所に同じ内容で記録された"
             "ランは名前を挙げます。どちらも標準エラーへの警告です。\n\n"
             "試行を必要とする数値は、試行がなければ null です。どの p にもその log10（`pLog10`、`stoufferPLog10`、"
             "`monobitPLog10`、`runsPLog10`）が付き、p が 1e-300 より小さいときも正確です。そのような p は 0 ではなく、"
             "上限として 1e-300 と書きます。連検定の頻度の前提が満たされないとき、`runsP` は 0、`runsPLog10` は null "
             "です。\n\n"
             "--server では、ランを研究用データベースから（--site があればそのサイトの分だけ）読みます。サイトと実験の"
             "組ごとに 1 つの実験とし、名前は `SITE/EXPERIMENT` です。"),
         summaryOptions,
         {{0, Texts::tr("数値を書き出した")},
          {1, Texts::tr("ファイルか保存されたランが検査に通らない（何も書き出さない）")},
          {2, Texts::tr("ファイルか研究用データベースを読めない、引数が正しくない、または出力を書き込めない")}}});

    QVector<OptionDef> reportOptions{
        {{QStringLiteral("o"), QStringLiteral("output")},
         QStringLiteral("OUT.html"),
         Texts::tr("標準出力の代わりに OUT.html へ書きます（ファイルはアトミックに置き換えます）。")},
        {{QStringLiteral("lang")},
         QStringLiteral("ja|en"),
         Texts::tr(
             "日本語の見出し（`ja`）か英語の見出し（`en`）。既定は vora-data の表示の言語です。VORA_LANG があれば"
             "その言語、なければロケール（LANG、LC_MESSAGES）の言語を VORA が話せればその言語、それ以外は日本語です。")},
        {{QStringLiteral("experiments")},
         QString(),
         Texts::tr("各実験のページを加えます。条件、文章、メモ、結果画面の 5 つのグラフと、ランの得点のヒストグラム、"
                   "累積偏差です。")},
        {{QStringLiteral("protocol")},
         QStringLiteral("PROTOCOL"),
         Texts::tr(
             "--server とともに: データをこの事前登録したプロトコルと照らし合わせる節を加えます。どの問いにも根拠を"
             "添えて「はい」か「いいえ」で答え（最初のランより前に登録されたか、その後変わっていないか、中間解析は"
             "すべて停止点で行われたか、停止規則は守られたか、計画に含まれる全サイトのデータがあるか、封印ヘッドは"
             "保存されたランと一致するか）、続いて判定点での主解析と、全データの探索的な解析を示します。")},
    };
    reportOptions += serverOptions(
        Texts::tr("このサイトのランだけを報告します。サイト名は英字、数字、\"-\"、\"_\" の 1〜32 文字です。"));
    defs.append(
        {QStringLiteral("report"),
         {{QStringLiteral("FILE... [-o OUT.html] [--lang ja|en] [--experiments]"),
           Texts::tr("グラフ入りの自己完結した HTML の研究レポート")},
          {QStringLiteral("--server CONNINFO|--server-file FILE [--site NAME] [--protocol PROTOCOL] [-o OUT.html] "
                          "[--lang ja|en]"),
           Texts::tr("同じものを研究用データベースのランについて出力する")}},
         Texts::tr(
             "研究レポートを書きます。CSS とグラフ（インライン SVG）を中に持つ UTF-8 の HTML ページ 1 枚で、スクリプトは"
             "なく、どこからも何も読み込まず、A4 で印刷できます。summary --pooled の数値とそれぞれのわかりやすい読み方、"
             "監査、効果量（的中率 - 0.5 と Cohen の h）と実験の間の異質性（Cochran の Q、95 % 区間付きの I2、"
             "DerSimonian-Laird の tau2、変量効果の推定値）、サイトごと・実験ごとの的中率と 95 % 区間のフォレスト"
             "プロット（並べ替え、統合した推定値付き）、日ごとに積み上がる証拠（log10 BF10 と z）、サイトごと・"
             "実験ごとの表を示します。ファイルのサイトはそのフォルダの名前で、--server ではランを送ったときのサイト"
             "です。2 度指定したファイルと同じ内容のランは summary --pooled と同じように扱います。\n\n"
             "各実験のページ（A4 1 ページに 1 実験）は --experiments で加わります。"),
         reportOptions,
         {{0, Texts::tr("ページを書き出した")},
          {1, Texts::tr("ファイルか保存されたランが検査に通らない（何も書き出さない）")},
          {2, Texts::tr("ファイルか研究用データベースを読めない、引数が正しくない、またはページを書き込めない")}}});

    defs.append(
        {QStringLiteral("export"),
         {{QStringLiteral("FILE [--csv|--json]"), Texts::tr("1 試行を 1 行で出力する（既定は見出し行付きの CSV）")}},
         Texts::tr(
             "1 試行につき 1 行を書きます。run、trial、target、input、hit、inStimulusEpisode（そのランの刺激試行から"
             "の 7 試行）、date、startTime です。CSV では、=、+、-、@、タブ、復帰で始まる文字のセルの先頭に ' を付け、"
             "表計算ソフトが数式として実行せずに文字として表示するようにします。JSON はどの文字もそのまま書きます。"),
         {{{QStringLiteral("csv")},
           QString(),
           Texts::tr("見出し行付きの CSV。hit と inStimulusEpisode は 1/0 です（既定）。")},
          {{QStringLiteral("json")}, QString(), Texts::tr("オブジェクトの JSON 配列。")}},
         {{0, Texts::tr("行を書き出した")},
          {1, Texts::tr("ファイルが検査に通らない（何も書き出さない）")},
          unreadable}});

    defs.append(
        {QStringLiteral("push"),
         {{QStringLiteral("FILE... --server CONNINFO --site NAME | --server-file FILE [--site NAME]"),
           Texts::tr("すべてのランを研究用データベースへ送る（何度繰り返しても同じ結果）")}},
         Texts::tr(
             "ファイルのすべてのランを、サイト NAME として研究用データベースへ送ります。多くのファイルのランを 1 つの文"
             "（1 トランザクション、1 往復）で送り、各ファイルの封印ヘッドも送ります。サーバーはそれを vora_heads に"
             "保存します。すでにあるランは送り直さないので、push はいつでも繰り返せます。ファイルごとに 1 行 "
             "`FILE: 送信 N、既存 M、衝突 K` を、衝突ごとに `FILE:LINE: ラン N は保存済みの記録と衝突します"
             "（上書きしません）` を書きます。2 度指定したファイルは、警告を出して 1 度だけ送ります。"),
         serverOptions(Texts::tr("ランを送るときのサイト。サイト名は英字、数字、\"-\"、\"_\" の 1〜32 文字です。")),
         {{0, Texts::tr("すべてのランが研究用データベースにある")},
          {1, Texts::tr("保存済みのランと衝突するランがある、または破損したファイルがある（送らない）")},
          {2, Texts::tr("サーバーかファイルを読めない、引数が正しくない、または出力を書き込めない")}}});

    defs.append(
        {QStringLiteral("evaluate"),
         {{QString(), Texts::tr("標準入力から読んだ行 \"h s1 s2 s3 s4 s5\" を判定する")}},
         Texts::tr(
             "標準入力から `h s1 s2 s3 s4 s5` の行を読み（小数も可。数が 5 つなら試行部分ごとの一致数とみなし、h は"
             "その合計）、空でない行ごとに 1 つのコンパクトな JSON オブジェクトを書きます。`line`、`flag`"
             "（1 % 水準で 1）、`profile`（`P`、`D`、`S`、`N` のいずれか）、`analysisText` です。不正な行（h が試行"
             "部分の合計と違う行を含む）には `{\"line\":n,\"error\":\"...\"}` を書き、標準エラーに注記します。"),
         {},
         {{0, Texts::tr("すべての行を判定した")},
          {1, Texts::tr("不正な行があった")},
          {2, Texts::tr("引数が正しくない、または出力を書き込めない")}}});

    defs.append(
        {QStringLiteral("seal"),
         {{QStringLiteral("[--reseal] FILE..."),
           Texts::tr("まだ封印していないランを封印する（NAME.txt の横に NAME.seal）")}},
         Texts::tr(
             "各ファイルのまだ封印していないランを、ファイルのハッシュ連鎖（`NAME-C.txt` の横の `NAME-C.seal`）に"
             "封印します。封印のないファイルではラン 1 から封印し、`FILE: 封印済み（ラン N 件、新規 K 件）。ヘッド "
             "HASH` を書きます。検査に通らないファイル、既存の封印を確かめられないファイル、後の書き換えで封印した桁が"
             "変わりうるランは断ります。ラン 1 より後から始まる連鎖（以前の版がクラッシュの後に残したもの）は末尾に"
             "延ばすだけで、その前のランを挙げます。それらは --reseal で封印します。"),
         {{{QStringLiteral("reseal")},
           QString(),
           Texts::tr(
               "ラン 1 より後から始まる連鎖をラン 1 から書き直し、すべてのランを封印します。ヘッドは変わります。古い"
               "ヘッドとそれまでに公開したヘッドはもう一致しなくなり、コマンドは新しいヘッドを書く前にそう伝えます。")}},
         {{0, Texts::tr("すべてのファイルを封印した")},
          {1, Texts::tr("断ったファイルがある")},
          {2, Texts::tr(
                  "読めないファイルがある、封印ファイルを書き込めない、引数が正しくない、または出力を書き込めない")}}});

    QVector<OptionDef> verifyOptions{
        {{QStringLiteral("head")},
         QString(),
         Texts::tr(
             "`FILE: ヘッド HASH（ラン N）`、つまり公開するハッシュを書きます（事前登録、同僚へのメール、実験ノート"
             "などのために）。")},
        {{QStringLiteral("expect-head")},
         QStringLiteral("HASH"),
         Texts::tr(
             "公開したヘッド（16 進数 64 桁）がまだ連鎖の項目であることを確かめます: `FILE: ヘッド HASH はラン N に"
             "あります（封印 TIME）`。なければ終了コードは 1 です。")},
    };
    verifyOptions +=
        serverOptions(Texts::tr("サーバーがヘッドを記録したサイト（--server-file では既定でその 2 行目）。サイト名は"
                                "英字、数字、\"-\"、\"_\" の 1〜32 文字です。"));
    defs.append(
        {QStringLiteral("verify"),
         {{QStringLiteral("[--head] [--expect-head HASH] FILE..."),
           Texts::tr(
               "ランを封印と照らし合わせる。--head は公開するハッシュを書き、--expect-head は公開したハッシュがまだ"
               "連鎖にあることを確かめる")},
          {QStringLiteral("--server CONNINFO --site NAME | --server-file FILE FILE..."),
           Texts::tr("各ファイルを、研究用データベースがそのファイルについて記録したすべてのヘッドと照らし合わせる")}},
         Texts::tr(
             "各ファイルを封印と照らし合わせ、`FILE: 封印済み（ラン N 件）`（まだ封印していないランがあれば "
             "`FILE: 封印済み（ラン N 件、未封印 K 件）`）を書くか、封印の後に変更・挿入・削除・並べ替えされたランごとに "
             "`FILE:LINE: 理由` を書きます（LINE は check と同じ数え方です。封印ファイル自体の不備は `NAME.seal:LINE` "
             "を挙げます）。封印していないランは `FILE:LINE: run N not sealed` として挙げ、終了コードを変えません。\n\n"
             "--server では、サイトがファイルを送ったときに研究用データベースが記録したヘッド（vora_heads）とも照らし"
             "合わせます。連鎖のそのランにまだそのヘッドがあれば `FILE: ラン N のヘッド HASH（送信 TIME）: あり`、"
             "なければ `FILE: ラン N のヘッド HASH（送信 TIME）: 連鎖にありません（それより前に封印したランが書き換え"
             "られたか、巻き戻されました）` を書き、終了コードは 1 です。サーバーがヘッドを持たないファイルはそう伝え"
             "（`FILE: サーバーに記録されたヘッドはありません`）、終了コードを変えません。"),
         verifyOptions,
         {{0, Texts::tr("すべてのファイルが封印と一致する")},
          {1, Texts::tr("封印の後に変更されたランがある、または期待したヘッドが連鎖にない")},
          unreadable}});
    defs.append(
        {QStringLiteral("study"),
         {{QStringLiteral("init --server CONNINFO|--server-file FILE"),
           Texts::tr("研究用データベースを作るか補う: テーブル、ロール、行単位のセキュリティ")},
          {QStringLiteral("add-site NAME --server CONNINFO|--server-file FILE"),
           Texts::tr("サイトのログインロールを作り、その study-server.txt を一度だけ書く")}},
         Texts::tr(
             "研究の取りまとめ役が、ロールを作る権限を持つデータベースの所有者として接続して使います。\n\n"
             "init はないものを作り、あるものはそのままにするので、いつでも（以前の版が作ったテーブルの上でも）実行し"
             "直せます。作るのは、挿入のときにサーバーが各記録から解析する列（run_date、start_time、stimulus、"
             "hit_display、bit(100) の targets と inputs、hits、統合した数値のためのランごとの集計）を持つ追記専用の"
             "テーブル vora_runs（トリガーが UPDATE、DELETE、TRUNCATE を所有者にも拒みます）、保存されたランへの注記を"
             "行として加える vora_corrections、push ごとの封印ヘッドを持つ vora_heads、1 試行 1 行のビュー "
             "vora_trials、サイト・実験・日付・到着順のインデックス、メンバーが自分の名前でだけ行を加えられて何も変更"
             "できないグループロール vora_site（行単位のセキュリティ）、読み取り専用のロール vora_analyst です。"
             "最後に `研究用データベースの準備ができました（スキーマ版 N）` を書きます。\n\n"
             "add-site は vora_site のメンバーであるログインロール NAME（英字、数字、\"-\"、\"_\" の 1〜32 文字）を"
             "新しい乱数のパスワードで作り、サイトの study-server.txt を書きます。1 行目がそのパスワード入りの接続"
             "文字列、2 行目がサイト名です。パスワードはこの一度だけ表示し、ほかのどこにも保存しません。2 行をサイトの "
             "study-server.txt に書いてください（chmod 600）。すでにロールである名前は断り、そのパスワードも変え"
             "ません。"),
         serverOptions(QString()),
         {{0, Texts::tr("完了")},
          {1,
           Texts::tr(
               "サイトがすでにロールである、またはデータベースにサイトを加える準備ができていない（先に init を実行）")},
          {2,
           Texts::tr("研究用データベースに接続できないか変更できない、引数が正しくない、または出力を書き込めない")}}});

    QVector<OptionDef> protocolOptions = serverOptions(QString());
    protocolOptions.append({{QStringLiteral("rate")},
                            QStringLiteral("RATE"),
                            Texts::tr("simulate: 偶然（0.5）のほかにシミュレーションする的中率。例 0.51。")});
    protocolOptions.append({{QStringLiteral("sims")},
                            QStringLiteral("N"),
                            Texts::tr("simulate: 的中率ごとにシミュレーションする研究の数（10000）。")});
    protocolOptions.append({{QStringLiteral("seed")},
                            QStringLiteral("N"),
                            Texts::tr("simulate: 乱数の種。同じ種からは同じ数値が出ます。")});
    defs.append(
        {QStringLiteral("protocol"),
         {{QStringLiteral("check FILE"), Texts::tr("事前登録する研究のプロトコル（JSON）を検証する")},
          {QStringLiteral("register FILE --server CONNINFO|--server-file FILE"),
           Texts::tr("プロトコルをサーバーの時刻とともに vora_protocols に保存し、その SHA-256 を書く")},
          {QStringLiteral("simulate FILE [--rate RATE] [--sims N] [--seed N]"),
           Texts::tr("偶然のときと RATE のときの、計画の動作特性")}},
         Texts::tr(
             "事前登録する研究のプロトコル: 最初のランより前に固定する JSON ファイルです（項目は README にあります）。"
             "check はそれを読み、`FILE: ok`、計画、ファイルの SHA-256 を書くか、問題ごとに項目を挙げた 1 行 "
             "`FILE: 問題` を書きます。\n\n"
             "register はファイルのバイト列を研究用データベースの追記専用のテーブル vora_protocols にサーバーの時刻"
             "とともに保存し、`登録しました: TITLE（TIME、ROLE）` と `sha256 HASH` を書きます（同じバイト列が前に登録"
             "されていれば `登録済み` と最初の時刻）。研究の最初のランより後に登録したプロトコルには警告します。それは"
             "レポートの監査に決して通りません。登録の後に変えたファイルも、ハッシュが変わるので通りません。\n\n"
             "simulate は逐次的な計画をシミュレーションした研究で動かし、停止点の間の一致数を二項分布から引いて、"
             "的中率ごとに H1 で停止、H0 で停止、最大で停止する確率と試行数の期待値を、それぞれのモンテカルロ標準誤差"
             "とともに書きます。試行数が 20000 以下の計画では、すべての二項の経路について合計した正確な数値も"
             "書きます。"),
         protocolOptions,
         {{0, Texts::tr("プロトコルは有効（さらに登録した、またはシミュレーションした）")},
          {1, Texts::tr("プロトコルが有効でない")},
          {2, Texts::tr("そのファイルか研究用データベースを読めない、引数が正しくない、または出力を書き込めない")}}});
    defs.append(
        {QStringLiteral("interim"),
         {{QStringLiteral("PROTOCOL --server CONNINFO|--server-file FILE"),
           Texts::tr("計画した停止点での主解析。呼び出しはすべて記録する")}},
         Texts::tr(
             "研究の取りまとめ役のためのコマンドです。登録した研究のラン（そのサイトと実験の、検査に通るランを、"
             "サーバーが受信した順に）を、データが達していてまだどの呼び出しも解析していない停止点ごとに、その点まで"
             "の試行だけで解析し、呼び出しをすべて vora_looks に記録します（誰が、いつ、そのときの試行数、停止点、"
             "判定）。停止点ごとに 1 行 `N 試行: 判定` を書きます。判定は継続、または H1 で停止、H0 で停止、最大で"
             "停止のいずれかです。盲検化ありでは、数値（一致数、的中率、各事前分布の BF10）は研究が停止してから書き、"
             "盲検化なしでは停止点ごとに書きます。停止すると研究は終わり、プログラムはその研究の新しいランを受け付け"
             "ません。次の停止点の前は `停止点に達していません: N 試行、次の停止点は M 試行` です。停止の後は、どの"
             "呼び出しも判定をその数値とともに繰り返します。プロトコルのファイルは登録したもの（同じ SHA-256）で"
             "なければなりません。"),
         serverOptions(QString()),
         {{0, Texts::tr("呼び出しを解析して記録した")},
          {1, Texts::tr("プロトコルが有効でないか、登録されていない")},
          {2, Texts::tr("そのファイルか研究用データベースを読めないか書き込めない、または引数が正しくない")}}});
    return defs;
}

} // namespace

const QVector<CommandDef> &commandDefs()
{
    // Written in the language spoken when asked: the man page asks in English whatever the
    // user's language is. A map keeps its entries in place, so a definition handed out earlier
    // stays valid.
    static std::map<QString, QVector<CommandDef>> byLanguage;
    const QString language = vora::language::current();
    auto it = byLanguage.find(language);
    if (it == byLanguage.end())
        it = byLanguage.emplace(language, makeSpecs()).first;
    return it->second;
}

const CommandDef *findCommand(const QString &name)
{
    for (const CommandDef &def : commandDefs())
        if (def.name == name)
            return &def;
    return nullptr;
}

CommandLine::CommandLine(const QString &command) : m_spec(findCommand(command))
{
    Q_ASSERT(m_spec);
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    m_parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    for (const OptionDef &o : m_spec->options)
        m_parser.addOption(QCommandLineOption(o.names, o.help, o.valueName));
    m_parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QString()));
}

bool CommandLine::parse(const QStringList &args)
{
    // The parser takes the first argument for the program's name.
    if (!m_parser.parse(QStringList{QStringLiteral("vora-data")} + args)) {
        m_exitCode = usageError(culprit(args));
        return false;
    }
    if (m_parser.isSet(QStringLiteral("help"))) {
        writeOut(commandHelp(*m_spec));
        m_exitCode = kExitOk;
        return false;
    }
    return true;
}

// The argument the parser refused, in the words the usage errors use.
QString CommandLine::culprit(const QStringList &args) const
{
    auto find = [&](const QString &name) -> const OptionDef * {
        for (const OptionDef &o : m_spec->options)
            if (o.names.contains(name))
                return &o;
        return nullptr;
    };
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--"))
            break;
        if (!a.startsWith(QLatin1Char('-')) || a.size() == 1)
            continue;
        if (a.startsWith(QLatin1String("--"))) {
            const QString name = a.mid(2).section(QLatin1Char('='), 0, 0);
            const OptionDef *o = find(name);
            if (!o && name != QLatin1String("help"))
                return Texts::tr("不明なオプション %1").arg(a);
            if (o && o->valueName.isEmpty() && a.contains(QLatin1Char('=')))
                return Texts::tr("--%1 は値を取りません").arg(name);
            if (o && !o->valueName.isEmpty() && !a.contains(QLatin1Char('='))) {
                if (i + 1 >= args.size())
                    return Texts::tr("--%1 には %2 が必要です").arg(name, o->valueName);
                ++i;
            }
            continue;
        }
        // -xyz: letters of one-letter options; a letter that takes a value takes the rest.
        for (int k = 1; k < a.size(); ++k) {
            const QString letter = a.mid(k, 1);
            const OptionDef *o = find(letter);
            if (!o && letter != QLatin1String("h"))
                return Texts::tr("不明なオプション %1").arg(a);
            if (o && !o->valueName.isEmpty()) {
                if (k + 1 == a.size()) {
                    if (i + 1 >= args.size())
                        return Texts::tr("-%1 には %2 が必要です").arg(letter, o->valueName);
                    ++i;
                }
                break;
            }
        }
    }
    return m_parser.errorText();
}

int CommandLine::usageError(const QString &problem) const
{
    return voradata::usageError(m_spec->name + QStringLiteral(": ") + problem);
}

} // namespace voradata
