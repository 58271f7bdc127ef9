<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CCheckNew</name>
    <message>
        <source>Check for New Version</source>
        <translation>新しいバージョンの確認</translation>
    </message>
    <message>
        <source>This copy of Glimmerbox has no address to check for new versions.</source>
        <translation>この Glimmerbox には、新しいバージョンを確認するアドレスが設定されていません。</translation>
    </message>
    <message>
        <source>Could not check for a new version: %1</source>
        <translation>新しいバージョンを確認できませんでした: %1</translation>
    </message>
    <message>
        <source>Could not check for a new version: the answer was not understood.</source>
        <translation>新しいバージョンを確認できませんでした: 応答を解釈できませんでした。</translation>
    </message>
    <message>
        <source>A new version of Glimmerbox is available: %1.</source>
        <translation>Glimmerbox の新しいバージョン %1 が公開されています。</translation>
    </message>
    <message>
        <source>Download it now</source>
        <translation>今すぐダウンロード</translation>
    </message>
    <message>
        <source>You are using the latest version of Glimmerbox.</source>
        <translation>お使いの Glimmerbox は最新バージョンです。</translation>
    </message>
</context>
<context>
    <name>CControlImageThread</name>
    <message>
        <source>Loading</source>
        <translation>読み込み中</translation>
    </message>
    <message>
        <source>Applying &apos;%1&apos; filter</source>
        <translation>フィルター「%1」を適用中</translation>
    </message>
    <message>
        <source>Zooming</source>
        <translation>拡大・縮小中</translation>
    </message>
</context>
<context>
    <name>CDialogAbout</name>
    <message>
        <source>About Glimmerbox</source>
        <translation>Glimmerbox について</translation>
    </message>
    <message>
        <source>Copyright %1 Tarn&amp;Willow</source>
        <translation>Copyright %1 Tarn&amp;Willow</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
</context>
<context>
    <name>CDialogFilterSelection</name>
    <message>
        <source>Select Filter</source>
        <translation>フィルターの選択</translation>
    </message>
    <message>
        <source>All Filters</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>透かし</translation>
    </message>
    <message>
        <source>Decorate</source>
        <translation>装飾</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>変形</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>No filter selected</source>
        <translation>フィルターが選択されていません</translation>
    </message>
</context>
<context>
    <name>CDialogFont</name>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>太字</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下線</translation>
    </message>
    <message>
        <source>Strike Out</source>
        <translation>取り消し線</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CDialogGSWarning</name>
    <message>
        <source>Download GhostScript</source>
        <translation>GhostScript をダウンロード</translation>
    </message>
    <message>
        <source>Reading EPS and PDF documents needs Ghostscript.</source>
        <translation>EPS と PDF の文書を読み込むには Ghostscript が必要です。</translation>
    </message>
</context>
<context>
    <name>CDialogOverwrite</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>すべてはい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>No to All</source>
        <translation>すべていいえ</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Image %1
already exists, do you want to overwrite it?</source>
        <translation>写真 %1
はすでに存在します。上書きしますか?</translation>
    </message>
</context>
<context>
    <name>CDialogOverwriteRename</name>
    <message>
        <source>Rename</source>
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>New file name:</source>
        <translation>新しいファイル名:</translation>
    </message>
</context>
<context>
    <name>CDialogProfileSave</name>
    <message>
        <source>Save Profile</source>
        <translation>プロファイルの保存</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>説明:</translation>
    </message>
</context>
<context>
    <name>CDialogProfileSelection</name>
    <message>
        <source>Select Profile</source>
        <translation>プロファイルの選択</translation>
    </message>
    <message>
        <source>Choose a profile to start from; its filters and settings replace those of the current job, the photos stay.</source>
        <translation>使うプロファイルを選んでください。現在のフィルターと設定はプロファイルのものに置き換わり、写真はそのまま残ります。</translation>
    </message>
</context>
<context>
    <name>CDialogRename</name>
    <message>
        <source>Custom Renaming</source>
        <translation>名前の付け方</translation>
    </message>
    <message>
        <source>File Name Pattern</source>
        <translation>ファイル名のパターン</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>連番</translation>
    </message>
    <message>
        <source>Start at</source>
        <translation>開始番号</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>増分</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>桁数</translation>
    </message>
    <message>
        <source>Restart in every folder</source>
        <translation>フォルダーごとに振り直す</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>日付と時刻</translation>
    </message>
    <message>
        <source>Date of</source>
        <translation>使う日付</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>書式</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>With seconds</source>
        <translation>秒を含める</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>大文字と小文字</translation>
    </message>
    <message>
        <source>Lower-case extension</source>
        <translation>拡張子を小文字にする</translation>
    </message>
    <message>
        <source>Search and Replace</source>
        <translation>検索と置換</translation>
    </message>
    <message>
        <source>Search for</source>
        <translation>検索する文字列</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>置換後の文字列</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>名前の例</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>撮影日時</translation>
    </message>
    <message>
        <source>Current date and time</source>
        <translation>現在の日時</translation>
    </message>
    <message>
        <source>12-hour clock (AM/PM)</source>
        <translation>12 時間制 (AM/PM)</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>24 時間制</translation>
    </message>
    <message>
        <source>No time</source>
        <translation>時刻なし</translation>
    </message>
    <message>
        <source>Keep unchanged</source>
        <translation>変更しない</translation>
    </message>
    <message>
        <source>lower case</source>
        <translation>小文字</translation>
    </message>
    <message>
        <source>UPPER CASE</source>
        <translation>大文字</translation>
    </message>
    <message>
        <source>Capitalize Each Word</source>
        <translation>単語の先頭を大文字</translation>
    </message>
</context>
<context>
    <name>CDialogSaveProject</name>
    <message>
        <source>Would you like to save your settings as a profile before closing?</source>
        <translation>終了する前に、設定をプロファイルとして保存しますか?</translation>
    </message>
    <message>
        <source>Don&apos;t ask me again</source>
        <translation>今後は確認しない</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CDialogSearch</name>
    <message>
        <source>Search &amp; Add Photos</source>
        <translation>写真を検索して追加</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>参照(&amp;B)...</translation>
    </message>
    <message>
        <source>Search in:</source>
        <translation>検索する場所:</translation>
    </message>
    <message>
        <source>File names:</source>
        <translation>ファイル名:</translation>
    </message>
    <message>
        <source>Include &amp;subfolders</source>
        <translation>サブフォルダーを含める(&amp;S)</translation>
    </message>
    <message>
        <source>Browse For Folder</source>
        <translation>フォルダーの参照</translation>
    </message>
</context>
<context>
    <name>CDialogSocial</name>
    <message>
        <source>Enjoying Glimmerbox? Tell your friends about it and follow us for news, tips and new versions.</source>
        <translation>Glimmerbox を気に入っていただけましたか? ぜひお友だちに紹介してください。フォローしていただくと、ニュースやヒント、新しいバージョンの情報をお届けします。</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>今後は表示しない</translation>
    </message>
</context>
<context>
    <name>CDialogTip</name>
    <message>
        <source>Tip</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Don&apos;t show this tip again</source>
        <translation>このヒントを今後は表示しない</translation>
    </message>
</context>
<context>
    <name>CDialogUnsupportedFormat</name>
    <message>
        <source>Unsupported Files</source>
        <translation>対応していないファイル</translation>
    </message>
    <message>
        <source>These files were not added because their format is not supported:</source>
        <translation>次のファイルは、対応していない形式のため追加されませんでした:</translation>
    </message>
</context>
<context>
    <name>CEmail</name>
    <message>
        <source>The e-mail message could not be written: the temporary folder %1 cannot be used.</source>
        <translation>メールを作成できませんでした: 一時フォルダー %1 を使用できません。</translation>
    </message>
    <message>
        <source>The e-mail message %1 could not be written: %2.</source>
        <translation>メール %1 を書き込めませんでした: %2。</translation>
    </message>
    <message>
        <source>The e-mail message could not be written: every name in %1 is taken.</source>
        <translation>メールを作成できませんでした: %1 の中で使える名前がありません。</translation>
    </message>
    <message>
        <source>The e-mail message could not be composed: %1 could not be read.</source>
        <translation>メールを作成できませんでした: %1 を読み込めませんでした。</translation>
    </message>
    <message>
        <source>The mail program could not be opened for %1.</source>
        <translation>%1 を送るメールソフトを開けませんでした。</translation>
    </message>
</context>
<context>
    <name>CFilterBlank</name>
    <message>
        <source>There are no settings for this filter</source>
        <translation>このフィルターには設定項目がありません</translation>
    </message>
</context>
<context>
    <name>CFilterCrop</name>
    <message>
        <source>Crop</source>
        <translation>トリミング</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>範囲</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高さ</translation>
    </message>
    <message>
        <source>Original image size:</source>
        <translation>元の写真のサイズ:</translation>
    </message>
    <message>
        <source>in Pixels</source>
        <translation>ピクセル</translation>
    </message>
    <message>
        <source>in Percents</source>
        <translation>パーセント</translation>
    </message>
</context>
<context>
    <name>CFilterCustomMask</name>
    <message>
        <source>Mask</source>
        <translation>マスク</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Rotate mask for portrait images</source>
        <translation>縦向きの写真ではマスクを回転</translation>
    </message>
    <message>
        <source>Use a different mask for portrait images</source>
        <translation>縦向きの写真には別のマスクを使う</translation>
    </message>
    <message>
        <source>Portrait Mask</source>
        <translation>縦向き用マスク</translation>
    </message>
    <message>
        <source>Alpha (%)</source>
        <translation>アルファ (%)</translation>
    </message>
    <message>
        <source>Select Mask</source>
        <translation>マスクの選択</translation>
    </message>
</context>
<context>
    <name>CFilterGrungeFrame</name>
    <message>
        <source>Frame</source>
        <translation>フレーム</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Draw over a transparent background</source>
        <translation>透明な背景に描く</translation>
    </message>
    <message>
        <source>Apply random frame</source>
        <translation>フレームをランダムに選ぶ</translation>
    </message>
</context>
<context>
    <name>CFilterLogo</name>
    <message>
        <source>Logo</source>
        <translation>ロゴ</translation>
    </message>
    <message>
        <source>Logo Path</source>
        <translation>ロゴのファイル</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Placement</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Delta X (px)</source>
        <translation>X 移動 (px)</translation>
    </message>
    <message>
        <source>Delta Y (px)</source>
        <translation>Y 移動 (px)</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>タイル状に並べる</translation>
    </message>
    <message>
        <source>Offset X</source>
        <translation>X オフセット</translation>
    </message>
    <message>
        <source>Offset Y</source>
        <translation>Y オフセット</translation>
    </message>
    <message>
        <source>Transformation</source>
        <translation>変形</translation>
    </message>
    <message>
        <source>Alpha (%)</source>
        <translation>アルファ (%)</translation>
    </message>
    <message>
        <source>Scale (%)</source>
        <translation>拡大率 (%)</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>ぼかし</translation>
    </message>
    <message>
        <source>Rotation (°)</source>
        <translation>回転 (°)</translation>
    </message>
    <message>
        <source>More</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>縁取り</translation>
    </message>
    <message>
        <source>Enable Stroke</source>
        <translation>縁取りを付ける</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>影</translation>
    </message>
    <message>
        <source>Draw Shadow</source>
        <translation>影を付ける</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>距離</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>Top-Left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>Top-Center</source>
        <translation>中央上</translation>
    </message>
    <message>
        <source>Top-Right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>Middle-Left</source>
        <translation>左中央</translation>
    </message>
    <message>
        <source>Middle-Center</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Middle-Right</source>
        <translation>右中央</translation>
    </message>
    <message>
        <source>Bottom-Left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Bottom-Center</source>
        <translation>中央下</translation>
    </message>
    <message>
        <source>Bottom-Right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>Select Watermark Image</source>
        <translation>透かし画像の選択</translation>
    </message>
</context>
<context>
    <name>CFilterPictureFrame</name>
    <message>
        <source>Frame</source>
        <translation>フレーム</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Draw over a transparent background</source>
        <translation>透明な背景に描く</translation>
    </message>
    <message>
        <source>Apply random frame</source>
        <translation>フレームをランダムに選ぶ</translation>
    </message>
</context>
<context>
    <name>CFilterRaise</name>
    <message>
        <source>Border</source>
        <translation>縁の幅</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>効果</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>へこませる</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>浮き上がらせる</translation>
    </message>
</context>
<context>
    <name>CFilterResize</name>
    <message>
        <source>Resize</source>
        <translation>サイズ変更</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>大きさ</translation>
    </message>
    <message>
        <source>Resize by</source>
        <translation>変更方法</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高さ</translation>
    </message>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>縦横比を保持</translation>
    </message>
    <message>
        <source>Don’t upscale images that are smaller
than specified size</source>
        <translation>指定サイズより小さい写真は
拡大しない</translation>
    </message>
    <message>
        <source>Original image size:</source>
        <translation>元の写真のサイズ:</translation>
    </message>
    <message>
        <source>in Pixels</source>
        <translation>ピクセル</translation>
    </message>
    <message>
        <source>in Percents</source>
        <translation>パーセント</translation>
    </message>
    <message>
        <source>Width &amp; Height</source>
        <translation>幅と高さ</translation>
    </message>
    <message>
        <source>Fixed Width</source>
        <translation>幅を固定</translation>
    </message>
    <message>
        <source>Fixed Height</source>
        <translation>高さを固定</translation>
    </message>
    <message>
        <source>Fixed Width &amp; Height</source>
        <translation>幅と高さを固定</translation>
    </message>
</context>
<context>
    <name>CFilterRotate</name>
    <message>
        <source>Degrees</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>左に回転</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>右に回転</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>対象</translation>
    </message>
    <message>
        <source>All Photos</source>
        <translation>すべての写真</translation>
    </message>
    <message>
        <source>Only Portrait</source>
        <translation>縦向きのみ</translation>
    </message>
    <message>
        <source>Only Landscape</source>
        <translation>横向きのみ</translation>
    </message>
</context>
<context>
    <name>CFilterSettings</name>
    <message>
        <source>&amp;Show preview</source>
        <translation>プレビューを表示(&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;witch View</source>
        <translation>表示切り替え(&amp;W)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
</context>
<context>
    <name>CFilterShadow</name>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Draw over a white background</source>
        <translation>白い背景に描く</translation>
    </message>
</context>
<context>
    <name>CFilterShapeFrame</name>
    <message>
        <source>Frame</source>
        <translation>フレーム</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Edges</source>
        <translation>縁</translation>
    </message>
    <message>
        <source>Draw over a transparent background</source>
        <translation>透明な背景に描く</translation>
    </message>
    <message>
        <source>Apply random frame</source>
        <translation>フレームをランダムに選ぶ</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>くっきり</translation>
    </message>
    <message>
        <source>Blurred</source>
        <translation>ぼかし</translation>
    </message>
</context>
<context>
    <name>CFilterSimpleBorder</name>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>太さ</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Use uniform dimensions</source>
        <translation>すべて同じ太さにする</translation>
    </message>
    <message>
        <source>in Pixels</source>
        <translation>ピクセル</translation>
    </message>
    <message>
        <source>in Percents</source>
        <translation>パーセント</translation>
    </message>
</context>
<context>
    <name>CFilterText</name>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Copyright [Copyright] Tarn&amp;Willow</source>
        <translation>Copyright [Copyright] Tarn&amp;Willow</translation>
    </message>
    <message>
        <source>Add Keyword</source>
        <translation>キーワードを挿入</translation>
    </message>
    <message>
        <source>Placement</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Delta X (px)</source>
        <translation>X 移動 (px)</translation>
    </message>
    <message>
        <source>Delta Y (px)</source>
        <translation>Y 移動 (px)</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>タイル状に並べる</translation>
    </message>
    <message>
        <source>Offset X</source>
        <translation>X オフセット</translation>
    </message>
    <message>
        <source>Offset Y</source>
        <translation>Y オフセット</translation>
    </message>
    <message>
        <source>Rotation (°)</source>
        <translation>回転 (°)</translation>
    </message>
    <message>
        <source>Line spacing (px)</source>
        <translation>行間 (px)</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>テクスチャ</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Alpha (%)</source>
        <translation>アルファ (%)</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>ぼかし</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>縁取り</translation>
    </message>
    <message>
        <source>Enable Stroke</source>
        <translation>縁取りを付ける</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>More</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>囲み</translation>
    </message>
    <message>
        <source>Draw Bounding-Box</source>
        <translation>囲みを描く</translation>
    </message>
    <message>
        <source>Offset (%)</source>
        <translation>余白 (%)</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>影</translation>
    </message>
    <message>
        <source>Draw Shadow</source>
        <translation>影を付ける</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>距離</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>左揃え</translation>
    </message>
    <message>
        <source>Align Center</source>
        <translation>中央揃え</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>右揃え</translation>
    </message>
    <message>
        <source>Top-Left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>Top-Center</source>
        <translation>中央上</translation>
    </message>
    <message>
        <source>Top-Right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>Middle-Left</source>
        <translation>左中央</translation>
    </message>
    <message>
        <source>Middle-Center</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Middle-Right</source>
        <translation>右中央</translation>
    </message>
    <message>
        <source>Bottom-Left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Bottom-Center</source>
        <translation>中央下</translation>
    </message>
    <message>
        <source>Bottom-Right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>Select Watermark Image</source>
        <translation>透かし画像の選択</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>著作権</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>登録商標</translation>
    </message>
    <message>
        <source>Trademark</source>
        <translation>商標</translation>
    </message>
    <message>
        <source>Servicemark</source>
        <translation>サービスマーク</translation>
    </message>
    <message>
        <source>Source Filename</source>
        <translation>元のファイル名</translation>
    </message>
    <message>
        <source>Source Extension</source>
        <translation>元の拡張子</translation>
    </message>
    <message>
        <source>Source Folder</source>
        <translation>元のフォルダー</translation>
    </message>
    <message>
        <source>Source Path</source>
        <translation>元のパス</translation>
    </message>
    <message>
        <source>Origin</source>
        <translation>作成者情報</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>作者</translation>
    </message>
    <message>
        <source>Date taken</source>
        <translation>撮影日時</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>大きさ</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>解像度</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Camera Maker</source>
        <translation>カメラのメーカー</translation>
    </message>
    <message>
        <source>Camera Model</source>
        <translation>カメラの機種</translation>
    </message>
    <message>
        <source>F-stop</source>
        <translation>F 値</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>露出時間</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>Focal Length</source>
        <translation>焦点距離</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>フラッシュ</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>緯度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>経度</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>高度</translation>
    </message>
</context>
<context>
    <name>CFilterVintageFrame</name>
    <message>
        <source>Frame</source>
        <translation>フレーム</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Draw over a transparent background</source>
        <translation>透明な背景に描く</translation>
    </message>
    <message>
        <source>Apply random frame</source>
        <translation>フレームをランダムに選ぶ</translation>
    </message>
</context>
<context>
    <name>CFormatSettings</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Photos whose own format cannot be written are saved in this format</source>
        <translation>元の形式で書き出せない写真は、この形式で保存します</translation>
    </message>
    <message>
        <source>Other formats as</source>
        <translation>その他の形式</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>グレースケール</translation>
    </message>
    <message>
        <source>True colour (RGB)</source>
        <translation>フルカラー (RGB)</translation>
    </message>
    <message>
        <source>CMYK</source>
        <translation>CMYK</translation>
    </message>
    <message>
        <source>Custom colour profile</source>
        <translation>カラープロファイルを指定</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>圧縮</translation>
    </message>
    <message>
        <source>JPEG</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>LZW</source>
        <translation>LZW</translation>
    </message>
    <message>
        <source>RLE</source>
        <translation>RLE</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Zip</translation>
    </message>
    <message>
        <source>Best compression</source>
        <translation>最高圧縮</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>白黒</translation>
    </message>
    <message>
        <source>Palette</source>
        <translation>パレット</translation>
    </message>
    <message>
        <source>True colour with transparency</source>
        <translation>フルカラー (透明あり)</translation>
    </message>
    <message>
        <source>Fax (Group 3)</source>
        <translation>FAX (Group 3)</translation>
    </message>
    <message>
        <source>Fax (Group 4)</source>
        <translation>FAX (Group 4)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>画質</translation>
    </message>
    <message>
        <source>Limit the file size to</source>
        <translation>ファイルサイズの上限</translation>
    </message>
    <message>
        <source>File size</source>
        <translation>ファイルサイズ</translation>
    </message>
    <message>
        <source>Interlace</source>
        <translation>インターレース</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>ライン</translation>
    </message>
    <message>
        <source>Plane</source>
        <translation>プレーン</translation>
    </message>
    <message>
        <source>Partition</source>
        <translation>パーティション</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>選択...</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>既定</translation>
    </message>
    <message>
        <source>Use the sRGB profile</source>
        <translation>sRGB カラープロファイルを使う</translation>
    </message>
    <message>
        <source>Colour profile</source>
        <translation>カラープロファイル</translation>
    </message>
    <message>
        <source>Select a colour profile</source>
        <translation>カラープロファイルの選択</translation>
    </message>
    <message>
        <source>Colour profiles (*.icc *.icm *.ICC *.ICM)</source>
        <translation>カラープロファイル (*.icc *.icm *.ICC *.ICM)</translation>
    </message>
</context>
<context>
    <name>CImageManager</name>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>the file holds no image that can be read</source>
        <translation>ファイルに読み込める画像がありません</translation>
    </message>
</context>
<context>
    <name>CListThumb</name>
    <message>
        <source>Top-Left</source>
        <translation>上-左</translation>
    </message>
    <message>
        <source>Top-Right</source>
        <translation>上-右</translation>
    </message>
    <message>
        <source>Bottom-Right</source>
        <translation>下-右</translation>
    </message>
    <message>
        <source>Bottom-Left</source>
        <translation>下-左</translation>
    </message>
    <message>
        <source>Left-Top</source>
        <translation>左-上</translation>
    </message>
    <message>
        <source>Right-Top</source>
        <translation>右-上</translation>
    </message>
    <message>
        <source>Right-Bottom</source>
        <translation>右-下</translation>
    </message>
    <message>
        <source>Left-Bottom</source>
        <translation>左-下</translation>
    </message>
    <message>
        <source>Uncalibrated</source>
        <translation>未調整</translation>
    </message>
</context>
<context>
    <name>CListThumbDetails</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>撮影日時</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>大きさ</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>F-stop</source>
        <translation>F 値</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>露出時間</translation>
    </message>
    <message>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>座標</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>高度</translation>
    </message>
</context>
<context>
    <name>CMagickRuntime</name>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 ピクセル</translation>
    </message>
    <message>
        <source>%1 in %2 frames</source>
        <translation>%1 (%2 フレーム)</translation>
    </message>
    <message>
        <source>%1 is more than one photo may have here (%2 megapixels).</source>
        <translation>%1 は、1 枚の写真として扱える上限 (%2 メガピクセル) を超えています。</translation>
    </message>
</context>
<context>
    <name>CMainPanel1</name>
    <message>
        <source>&amp;Add Photos</source>
        <translation>写真を追加(&amp;A)</translation>
    </message>
    <message>
        <source>A&amp;dd...</source>
        <translation>追加(&amp;D)...</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>削除(&amp;E)</translation>
    </message>
    <message>
        <source>V&amp;iew</source>
        <translation>表示(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Show preview</source>
        <translation>プレビューを表示(&amp;S)</translation>
    </message>
    <message>
        <source>Drag &amp; Drop Your Photos Here</source>
        <translation>ここに写真をドラッグ＆ドロップ</translation>
    </message>
    <message>
        <source>Or Click To Add Photos</source>
        <translation>またはクリックして写真を追加</translation>
    </message>
    <message>
        <source>Pas&amp;te</source>
        <translation>貼り付け(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation>フォルダー(&amp;F)</translation>
    </message>
    <message>
        <source>F&amp;older with Subfolders</source>
        <translation>サブフォルダーを含むフォルダー(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Search &amp;&amp; Add</source>
        <translation>検索して追加(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Selected</source>
        <translation>選択した写真(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>すべて(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>詳細(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Small Icons</source>
        <translation>小アイコン(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Medium Icons</source>
        <translation>中アイコン(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Large Icons</source>
        <translation>大アイコン(&amp;L)</translation>
    </message>
    <message>
        <source>Add &amp;Photo(s)</source>
        <translation>写真を追加(&amp;P)</translation>
    </message>
    <message>
        <source>Add &amp;Folder</source>
        <translation>フォルダーを追加(&amp;F)</translation>
    </message>
    <message>
        <source>Remove S&amp;elected</source>
        <translation>選択した写真を削除(&amp;E)</translation>
    </message>
    <message>
        <source>Remove &amp;All</source>
        <translation>すべて削除(&amp;A)</translation>
    </message>
    <message>
        <source>Select Photo(s)</source>
        <translation>写真の選択</translation>
    </message>
    <message>
        <source>Browse For Folder</source>
        <translation>フォルダーの参照</translation>
    </message>
    <message>
        <source>No photos selected</source>
        <translation>写真が選択されていません</translation>
    </message>
    <message>
        <source>Remove selected photo(s) from the list?</source>
        <translation>選択した写真をリストから削除しますか?</translation>
    </message>
    <message>
        <source>Remove all photos from the list?</source>
        <translation>すべての写真をリストから削除しますか?</translation>
    </message>
    <message>
        <source>Add the photos you want to edit</source>
        <translation>編集する写真を追加します</translation>
    </message>
    <message>
        <source>Go to Step 2 and define the edits you want to apply to your photos</source>
        <translation>ステップ 2 で、写真に加える編集を設定します</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ほか %1 件</translation>
    </message>
    <message>
        <source>These files and folders were not added because their names are not valid UTF-8:</source>
        <translation>次のファイルとフォルダーは、名前が有効な UTF-8 ではないため追加されませんでした:</translation>
    </message>
</context>
<context>
    <name>CMainPanel2</name>
    <message>
        <source>Add Filter</source>
        <translation>フィルター追加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>名前の例</translation>
    </message>
    <message>
        <source>Sh&amp;ow preview</source>
        <translation>プレビューを表示(&amp;O)</translation>
    </message>
    <message>
        <source>S&amp;witch View</source>
        <translation>表示切り替え(&amp;W)</translation>
    </message>
    <message>
        <source>Keep Unchanged</source>
        <translation>変更しない</translation>
    </message>
    <message>
        <source>Rename to Folder&apos;s Name</source>
        <translation>フォルダー名に変更</translation>
    </message>
    <message>
        <source>Rename to Photo&apos;s Date</source>
        <translation>撮影日時に変更</translation>
    </message>
    <message>
        <source>Custom Defined</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>No filter selected</source>
        <translation>フィルターが選択されていません</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>選択したフィルターを削除</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>すべて削除</translation>
    </message>
    <message>
        <source>Remove selected filter(s)?</source>
        <translation>選択したフィルターを削除しますか?</translation>
    </message>
    <message>
        <source>Remove all filters?</source>
        <translation>すべてのフィルターを削除しますか?</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Add Filter</source>
        <translation>フィルター追加(&amp;A)</translation>
    </message>
    <message>
        <source>Remove &amp;Selected</source>
        <translation>選択したフィルターを削除(&amp;S)</translation>
    </message>
    <message>
        <source>Remove A&amp;ll</source>
        <translation>すべて削除(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>複製(&amp;D)</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>上へ移動(&amp;U)</translation>
    </message>
    <message>
        <source>Move D&amp;own</source>
        <translation>下へ移動(&amp;O)</translation>
    </message>
    <message>
        <source>Add a graphic filter that will be applied on all the photos added in Step 1</source>
        <translation>ステップ 1 で追加したすべての写真に適用するフィルターを追加します</translation>
    </message>
    <message>
        <source>Go to Step 3 and select the output folder and image format for the edited photos</source>
        <translation>ステップ 3 で、編集後の写真の出力フォルダーとファイル形式を選びます</translation>
    </message>
</context>
<context>
    <name>CMainPanel3</name>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>出力先</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>S&amp;elect</source>
        <translation>選択(&amp;E)</translation>
    </message>
    <message>
        <source>Also save on My Computer</source>
        <translation>このコンピューターにも保存</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>ホスト</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Use SFTP</source>
        <translation>SFTP を使う</translation>
    </message>
    <message>
        <source>Recreate original folder structure in selected folder</source>
        <translation>選択したフォルダーに元のフォルダー構成を再現</translation>
    </message>
    <message>
        <source>Test Connection</source>
        <translation>接続テスト</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>形式</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>出力形式</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Create a single multi-page document from all photos (only valid for PDF, TIF, GIF)</source>
        <translation>すべての写真を 1 つのマルチページ文書にまとめる (PDF、TIF、GIF のみ)(&amp;C)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>&amp;Open output folder after processing</source>
        <translation>処理後に出力フォルダーを開く(&amp;O)</translation>
    </message>
    <message>
        <source>Set output photo&apos;s &amp;date and attributes same as original</source>
        <translation>出力した写真の日付と属性を元の写真と同じにする(&amp;D)</translation>
    </message>
    <message>
        <source>De&amp;lete source photo after processing (move photo)</source>
        <translation>処理後に元の写真を削除する (写真の移動)(&amp;L)</translation>
    </message>
    <message>
        <source>Folder on My Computer (default)</source>
        <translation>このコンピューターのフォルダー (既定)</translation>
    </message>
    <message>
        <source>Send via E-mail</source>
        <translation>メールで送信</translation>
    </message>
    <message>
        <source>Upload to FTP</source>
        <translation>FTP にアップロード</translation>
    </message>
    <message>
        <source>Use selected folder as output destination</source>
        <translation>選択したフォルダーに出力</translation>
    </message>
    <message>
        <source>Use original photos&apos; folder as output destination</source>
        <translation>元の写真のフォルダーに出力</translation>
    </message>
    <message>
        <source>Create a subfolder in the original photos&apos; folder</source>
        <translation>元の写真のフォルダーにサブフォルダーを作成</translation>
    </message>
    <message>
        <source>You have selected to write the resulting photos in the same folder where the originals reside.

If you&apos;d like to keep the originals but still write the resulting photos in the same folder, you need to change the processed photos&apos; name in Step2 &gt; Names</source>
        <translation>処理後の写真を、元の写真と同じフォルダーに書き出す設定になっています。

元の写真を残したまま同じフォルダーに書き出すには、ステップ 2 の「名前」で処理後の写真の名前を変えてください。</translation>
    </message>
    <message>
        <source>Select a folder for saving the resulting photos</source>
        <translation>処理後の写真を保存するフォルダーの選択</translation>
    </message>
    <message>
        <source>You have selected to delete the original photos after writing the processed ones. We advise you to backup the originals before using this option for the first time.

This action will only delete the originals if the processed photos are correctly written.

In case there are no filters selected the photos will actually be moved very fast and eventually renamed with no quality loss.</source>
        <translation>処理後の写真を書き出したあとに、元の写真を削除する設定になっています。初めてこのオプションを使う前に、元の写真をバックアップしておくことをお勧めします。

元の写真が削除されるのは、処理後の写真が正しく書き出された場合だけです。

フィルターを選んでいない場合、写真は画質を損なわずにすばやく移動され、必要に応じて名前が変わります。</translation>
    </message>
    <message>
        <source>When you are ready, go ahead and apply the changes to your photos</source>
        <translation>準備ができたら、写真に変更を適用しましょう</translation>
    </message>
</context>
<context>
    <name>COutputPaths</name>
    <message>
        <source>The sub-folder name &quot;%1&quot; is not usable: it must lie inside each photo&apos;s folder, so it may neither start with &quot;/&quot; nor hold &quot;..&quot;.</source>
        <translation>サブフォルダー名「%1」は使用できません。サブフォルダーは各写真のフォルダーの中に作るため、「/」で始めることも「..」を含めることもできません。</translation>
    </message>
</context>
<context>
    <name>CProcessController</name>
    <message>
        <source>Glimmerbox - Processing</source>
        <translation>Glimmerbox - 処理中</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Show log</source>
        <translation>ログを表示</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Processing %1 images with %2 graphical filter(s) per image.</source>
        <translation>%1 枚の写真を、1 枚につき %2 個のフィルターで処理します。</translation>
    </message>
    <message>
        <source>Creating a single multi-page document.</source>
        <translation>1 つのマルチページ文書を作成します。</translation>
    </message>
    <message>
        <source>System: %1 CPU core(s) detected.</source>
        <translation>システム: CPU コアを %1 個検出しました。</translation>
    </message>
    <message>
        <source>Launching %1 thread(s) of execution.</source>
        <translation>%1 個のスレッドで実行します。</translation>
    </message>
    <message>
        <source>Unknown destination %1: the photos are saved to the folder.</source>
        <translation>不明な出力先 %1: 写真はフォルダーに保存されます。</translation>
    </message>
    <message>
        <source>Failed to load</source>
        <translation>読み込みに失敗:</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Photo processing not completed. Abort the operation?</source>
        <translation>写真の処理が終わっていません。中止しますか?</translation>
    </message>
    <message>
        <source>Upload not completed. Abort the operation?</source>
        <translation>アップロードが終わっていません。中止しますか?</translation>
    </message>
    <message>
        <source>Process interrupted by the user.</source>
        <translation>処理はユーザーによって中断されました。</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>経過時間</translation>
    </message>
    <message>
        <source>Warning: Process completed with %1 errors. For details see the log above.</source>
        <translation>警告: 処理は終わりましたが、%1 件のエラーがありました。詳しくは上のログをご覧ください。</translation>
    </message>
    <message>
        <source>Process completed without errors.</source>
        <translation>処理はエラーなしで終わりました。</translation>
    </message>
    <message>
        <source>Warning: Process completed with %1 errors and %2 warning(s). For details see the log above.</source>
        <translation>警告: 処理は終わりましたが、%1 件のエラーと %2 件の警告がありました。詳しくは上のログをご覧ください。</translation>
    </message>
    <message>
        <source>Warning: Process completed without errors, with %1 warning(s). For details see the log above.</source>
        <translation>警告: 処理はエラーなしで終わりましたが、%1 件の警告がありました。詳しくは上のログをご覧ください。</translation>
    </message>
    <message>
        <source>Uploading to </source>
        <translation>アップロード先: </translation>
    </message>
    <message>
        <source>the e-mail message was not handed to the mail program: %1</source>
        <translation>メールをメールソフトに渡せませんでした: %1</translation>
    </message>
    <message>
        <source>The source photos were not deleted: the delivery did not complete.</source>
        <translation>送信が完了しなかったため、元の写真は削除しませんでした。</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>アップロード中</translation>
    </message>
    <message>
        <source>the upload to %1 did not complete: %2</source>
        <translation>%1 へのアップロードが完了しませんでした: %2</translation>
    </message>
    <message>
        <source>Successfully uploaded %1 picture(s).<byte value="xd"/>
</source>
        <translation>%1 枚の写真をアップロードしました。<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Deleting temporary files...</source>
        <translation>一時ファイルを削除しています...</translation>
    </message>
    <message>
        <source>Upload failed.</source>
        <translation>アップロードに失敗しました。</translation>
    </message>
    <message>
        <source>Upload completed.</source>
        <translation>アップロードが完了しました。</translation>
    </message>
    <message>
        <source>Could not save log.</source>
        <translation>ログを保存できませんでした。</translation>
    </message>
    <message>
        <source>Warning: the name is not valid UTF-8, left out:</source>
        <translation>警告: 名前が有効な UTF-8 ではないため除外しました:</translation>
    </message>
</context>
<context>
    <name>CProcessThread</name>
    <message>
        <source>Failed to write</source>
        <translation>書き出しに失敗:</translation>
    </message>
    <message>
        <source>Failed to load</source>
        <translation>読み込みに失敗:</translation>
    </message>
    <message>
        <source>Failed to Rename and Move</source>
        <translation>名前の変更と移動に失敗:</translation>
    </message>
    <message>
        <source>Failed to Rename and Copy</source>
        <translation>名前の変更とコピーに失敗:</translation>
    </message>
    <message>
        <source>Failed to Move</source>
        <translation>移動に失敗:</translation>
    </message>
    <message>
        <source>Failed to Copy</source>
        <translation>コピーに失敗:</translation>
    </message>
    <message>
        <source>Warning: damaged photo (%1), source kept:</source>
        <translation>警告: 写真が破損しています (%1)。元の写真は残しました:</translation>
    </message>
    <message>
        <source>Warning: damaged photo (%1):</source>
        <translation>警告: 写真が破損しています (%1):</translation>
    </message>
    <message>
        <source>Failed to apply &apos;%1&apos; filter to</source>
        <translation>フィルター「%1」の適用に失敗:</translation>
    </message>
    <message>
        <source>Warning: %1 KB written, above the fixed size of %2 KB:</source>
        <translation>警告: 書き出したサイズ %1 KB が指定サイズ %2 KB を超えています:</translation>
    </message>
    <message>
        <source>Processed</source>
        <translation>処理済み:</translation>
    </message>
    <message>
        <source>Processed and renamed</source>
        <translation>処理済み (名前を変更):</translation>
    </message>
    <message>
        <source>Processed and replaced</source>
        <translation>処理済み (上書き):</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>スキップ:</translation>
    </message>
    <message>
        <source>The output %1 lies outside its destination folder %2.</source>
        <translation>出力 %1 が出力先フォルダー %2 の外にあります。</translation>
    </message>
    <message>
        <source>Warning: the source photos are kept, they are the pages of</source>
        <translation>警告: 元の写真は残しました。次の文書のページです:</translation>
    </message>
    <message>
        <source>Warning: the source could not be deleted (%1):</source>
        <translation>警告: 元の写真を削除できませんでした (%1):</translation>
    </message>
    <message>
        <source>Warning: the source changed during the run and was kept:</source>
        <translation>警告: 処理中に元の写真が変更されたため、削除せずに残しました:</translation>
    </message>
    <message>
        <source>the temporary folder %1 could not be made: %2</source>
        <translation>一時フォルダー %1 を作成できませんでした: %2</translation>
    </message>
    <message>
        <source>Warning: damaged metadata left out (%1), source kept:</source>
        <translation>警告: 破損したメタデータを除外しました (%1)。元の写真は残しました:</translation>
    </message>
    <message>
        <source>Warning: damaged metadata left out (%1):</source>
        <translation>警告: 破損したメタデータを除外しました (%1):</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>言語:</translation>
    </message>
    <message>
        <source>Show profiles window at startup</source>
        <translation>起動時にプロファイルの選択を表示</translation>
    </message>
    <message>
        <source>Show wizard window at startup</source>
        <translation>起動時にウィザードを表示</translation>
    </message>
    <message>
        <source>Check for new versions automatically</source>
        <translation>新しいバージョンを自動的に確認</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Check:</source>
        <translation>確認:</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>処理</translation>
    </message>
    <message>
        <source>Use all the processor&apos;s cores</source>
        <translation>プロセッサーのすべてのコアを使う</translation>
    </message>
    <message>
        <source>Write the processing log</source>
        <translation>処理のログを書き出す</translation>
    </message>
    <message>
        <source>Edit and write every page</source>
        <translation>すべてのページを編集して書き出す</translation>
    </message>
    <message>
        <source>Flatten the pages into one photo</source>
        <translation>ページを 1 枚の写真に統合</translation>
    </message>
    <message>
        <source>Edit and write the first page only</source>
        <translation>最初のページだけを編集して書き出す</translation>
    </message>
    <message>
        <source>Multi-page files:</source>
        <translation>マルチページのファイル:</translation>
    </message>
    <message>
        <source>RAW photos</source>
        <translation>RAW 写真</translation>
    </message>
    <message>
        <source>As shot by the camera</source>
        <translation>撮影時の設定</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>White balance:</source>
        <translation>ホワイトバランス:</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>クリップ</translation>
    </message>
    <message>
        <source>Unclip</source>
        <translation>クリップしない</translation>
    </message>
    <message>
        <source>Blend</source>
        <translation>ブレンド</translation>
    </message>
    <message>
        <source>Rebuild</source>
        <translation>再構築</translation>
    </message>
    <message>
        <source>Highlights:</source>
        <translation>ハイライト:</translation>
    </message>
    <message>
        <source>Decoder&apos;s choice</source>
        <translation>デコーダーに任せる</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>リニア</translation>
    </message>
    <message>
        <source>VNG</source>
        <translation>VNG</translation>
    </message>
    <message>
        <source>PPG</source>
        <translation>PPG</translation>
    </message>
    <message>
        <source>AHD</source>
        <translation>AHD</translation>
    </message>
    <message>
        <source>Interpolation:</source>
        <translation>補間:</translation>
    </message>
    <message>
        <source>You need to restart Glimmerbox for the changes to take effect.</source>
        <translation>変更を反映するには、Glimmerbox を再起動してください。</translation>
    </message>
</context>
<context>
    <name>CUpload</name>
    <message>
        <source>The written files are kept in %1</source>
        <translation>書き出したファイルは %1 に残してあります</translation>
    </message>
    <message>
        <source>E-mail message handed to the mail program: %1</source>
        <translation>メールをメールソフトに渡しました: %1</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Files attached successfuly. We advise deleting the temporary files that Glimmerbox may have created in the process (be sure to do that only after you have finished sending your e-mail). Delete temporary files now?</source>
        <translation>ファイルを添付しました。Glimmerbox が作成した一時ファイルは削除することをお勧めします (メールの送信が終わってから削除してください)。今すぐ一時ファイルを削除しますか?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Could not open default mail client.</source>
        <translation>既定のメールソフトを開けませんでした。</translation>
    </message>
    <message>
        <source>The upload was stopped.</source>
        <translation>アップロードを中止しました。</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 を読み込めませんでした: %2。</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 を読み込めませんでした。</translation>
    </message>
    <message>
        <source>No transfer could be set up.</source>
        <translation>転送を準備できませんでした。</translation>
    </message>
    <message>
        <source>The user name or the password holds a line break, which the FTP server would take for a command of its own: nothing was sent.</source>
        <translation>ユーザー名またはパスワードに改行が含まれています。FTP サーバーが別のコマンドとして扱うため、何も送信しませんでした。</translation>
    </message>
</context>
<context>
    <name>CWizardStart</name>
    <message>
        <source>Welcome to Glimmerbox!</source>
        <translation>Glimmerbox へようこそ!</translation>
    </message>
    <message>
        <source>Glimmerbox&apos;s interface is designed as a three-step wizard, so you just need to follow the predefined steps in order to edit your photos!</source>
        <translation>Glimmerbox は 3 つのステップからなるウィザード形式です。ステップを順に進めるだけで写真を編集できます!</translation>
    </message>
    <message>
        <source>To get help press the F1 key anywhere in the interface for a detailed description of the settings.

Press &apos;Next&apos; to see the tutorials.</source>
        <translation>どの画面でも F1 キーを押すと、設定の詳しい説明が表示されます。

「次へ」を押すとチュートリアルが表示されます。</translation>
    </message>
    <message>
        <source>Don&apos;t show this wizard again</source>
        <translation>今後はこのウィザードを表示しない</translation>
    </message>
    <message>
        <source>For a more in-depth, hands-on experience we recommend the following tutorial:</source>
        <translation>実際に操作しながら詳しく学ぶには、次のチュートリアルをお勧めします:</translation>
    </message>
    <message>
        <source>Tutorial - How to Resize and Rotate</source>
        <translation>チュートリアル - サイズ変更と回転の方法</translation>
    </message>
</context>
<context>
    <name>FilterBounds</name>
    <message>
        <source>border width</source>
        <translation>枠の幅</translation>
    </message>
    <message>
        <source>strip height</source>
        <translation>帯の高さ</translation>
    </message>
    <message>
        <source>width</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>height</source>
        <translation>高さ</translation>
    </message>
    <message>
        <source>stroke width</source>
        <translation>縁取りの幅</translation>
    </message>
    <message>
        <source>line width</source>
        <translation>線の幅</translation>
    </message>
    <message>
        <source>size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>radius</source>
        <translation>半径</translation>
    </message>
    <message>
        <source>sigma</source>
        <translation>シグマ</translation>
    </message>
    <message>
        <source>amplitude</source>
        <translation>振幅</translation>
    </message>
    <message>
        <source>The &apos;%1&apos; filter&apos;s %2 of %3 is beyond its limit of %4.</source>
        <translation>フィルター「%1」の%2 %3 は、上限の %4 を超えています。</translation>
    </message>
    <message>
        <source>The &apos;%1&apos; filter&apos;s result of %2</source>
        <translation>フィルター「%1」の結果: %2</translation>
    </message>
    <message>
        <source>The &apos;%1&apos; filter&apos;s %2 of %3 is too small to resize to.</source>
        <translation>フィルター「%1」の%2 %3 は小さすぎるため、サイズを変更できません。</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>This copy of Glimmerbox has no address for its help pages.</source>
        <translation>この Glimmerbox には、ヘルプページのアドレスが設定されていません。</translation>
    </message>
    <message>
        <source>This copy of Glimmerbox has no address for its web site.</source>
        <translation>この Glimmerbox には、Web サイトのアドレスが設定されていません。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Glimmerbox</source>
        <translation>Glimmerbox</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Wi&amp;zard</source>
        <translation>ウィザード(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Tutorials</source>
        <translation>チュートリアル(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Load Profile</source>
        <translation>プロファイルを読み込む(&amp;L)</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>プロファイルを保存</translation>
    </message>
    <message>
        <source>Save Profile As</source>
        <translation>プロファイルに名前を付けて保存</translation>
    </message>
    <message>
        <source>Save Script</source>
        <translation>スクリプトを保存</translation>
    </message>
    <message>
        <source>Save Script As</source>
        <translation>スクリプトに名前を付けて保存</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>Show &amp;Log</source>
        <translation>ログを表示(&amp;L)</translation>
    </message>
    <message>
        <source>Select Pr&amp;ofile</source>
        <translation>プロファイルを選択(&amp;O)</translation>
    </message>
    <message>
        <source>Step 1 - Add &amp;Photos</source>
        <translation>ステップ 1 - 写真を追加(&amp;P)</translation>
    </message>
    <message>
        <source>Ctrl+1</source>
        <translation>Ctrl+1</translation>
    </message>
    <message>
        <source>Step 2 - Edit P&amp;hotos</source>
        <translation>ステップ 2 - 写真を編集(&amp;H)</translation>
    </message>
    <message>
        <source>Ctrl+2</source>
        <translation>Ctrl+2</translation>
    </message>
    <message>
        <source>Step 3 - &amp;Setup</source>
        <translation>ステップ 3 - 出力設定(&amp;S)</translation>
    </message>
    <message>
        <source>Ctrl+3</source>
        <translation>Ctrl+3</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>処理開始</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>&amp;Help Manual</source>
        <translation>ヘルプマニュアル(&amp;H)</translation>
    </message>
    <message>
        <source>How to &amp;Resize and Rotate Photos</source>
        <translation>写真のサイズ変更と回転の方法(&amp;R)</translation>
    </message>
    <message>
        <source>Check for &amp;New Version</source>
        <translation>新しいバージョンを確認(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Online Support</source>
        <translation>オンラインサポート(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Our Web Site</source>
        <translation>Web サイトを開く(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;About Us</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>Save Project &amp;As</source>
        <translation>プロジェクトに名前を付けて保存(&amp;A)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>&amp;Load Project</source>
        <translation>プロジェクトを読み込む(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>プロジェクトを保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Video Presentations</source>
        <translation>ビデオ紹介(&amp;V)</translation>
    </message>
    <message>
        <source>How to &amp;Add Comments and Time to Photos</source>
        <translation>写真にコメントと時刻を入れる方法(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Wizard Steps</source>
        <translation>ウィザードのステップ(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>&amp;Deutsch</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <source>&amp;Français</source>
        <translation>&amp;Français</translation>
    </message>
    <message>
        <source>&amp;Italiano</source>
        <translation>&amp;Italiano</translation>
    </message>
    <message>
        <source>&amp;Japanese</source>
        <translation>日本語(&amp;J)</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>You need to restart Glimmerbox for the changes to take effect.</source>
        <translation>変更を反映するには、Glimmerbox を再起動してください。</translation>
    </message>
    <message>
        <source>Wizard Steps</source>
        <translation>ウィザードのステップ</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>写真を追加</translation>
    </message>
    <message>
        <source>Edit Photos</source>
        <translation>写真を編集</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>出力設定</translation>
    </message>
    <message>
        <source>Step 1 - Add all the photos you want to edit</source>
        <translation>ステップ 1 - 編集するすべての写真を追加します</translation>
    </message>
    <message>
        <source>Step 2 - Set the graphic filters that will be applied on all selected photos</source>
        <translation>ステップ 2 - 選んだすべての写真に適用するフィルターを設定します</translation>
    </message>
    <message>
        <source>Step 3 - Select the output path and image format for the edited photos</source>
        <translation>ステップ 3 - 編集後の写真の出力先とファイル形式を選びます</translation>
    </message>
    <message>
        <source>When you are ready select Process to have all your photos edited</source>
        <translation>準備ができたら「処理開始」を選ぶと、すべての写真が編集されます</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Your settings will be discarded. Continue?</source>
        <translation>現在の設定は破棄されます。続けますか?</translation>
    </message>
    <message>
        <source>The log file will be created after the first processing session.</source>
        <translation>ログファイルは最初の処理のあとに作成されます。</translation>
    </message>
    <message>
        <source>Now just add your photos in Step 1 and optionally adjust the settings from Step 2 and Step 3 as you like.

When you are done select Process.</source>
        <translation>あとはステップ 1 で写真を追加し、必要に応じてステップ 2 とステップ 3 で設定を調整してください。

終わったら「処理開始」を選びます。</translation>
    </message>
    <message>
        <source>Could not load profile.</source>
        <translation>プロファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Could not load script.</source>
        <translation>スクリプトを読み込めませんでした。</translation>
    </message>
    <message>
        <source>There are no photos to process.</source>
        <translation>処理する写真がありません。</translation>
    </message>
    <message>
        <source>Ready to process %1 photos?</source>
        <translation>%1 枚の写真を処理しますか?</translation>
    </message>
    <message>
        <source>An output folder, for the edited photos, needs to be selected before processing (Step 3 &gt; Destination &gt; Folder on My Computer)</source>
        <translation>処理の前に、編集後の写真の出力フォルダーを選んでください (ステップ 3 &gt; 出力先 &gt; このコンピューターのフォルダー)</translation>
    </message>
    <message>
        <source>The selected folder does not exist, do you want to create it now?</source>
        <translation>選んだフォルダーがありません。今すぐ作成しますか?</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>フォルダー %1 を作成できませんでした。</translation>
    </message>
    <message>
        <source>You have selected to delete the source photos after writing the modified ones. Continue?</source>
        <translation>処理後の写真を書き出したあとに、元の写真を削除する設定になっています。続けますか?</translation>
    </message>
    <message>
        <source>Could not save profile.</source>
        <translation>プロファイルを保存できませんでした。</translation>
    </message>
    <message>
        <source>Do you want to disable all notifications when running the script?</source>
        <translation>スクリプトの実行中は、すべての通知を無効にしますか?</translation>
    </message>
    <message>
        <source>Could not save script.</source>
        <translation>スクリプトを保存できませんでした。</translation>
    </message>
    <message>
        <source>Would you like to save your settings?</source>
        <translation>設定を保存しますか?</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Marks</source>
        <translation>透かし</translation>
    </message>
    <message>
        <source>Border</source>
        <translation>枠</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>変形</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>ロゴ</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>マスク</translation>
    </message>
    <message>
        <source>Shape Frame</source>
        <translation>図形フレーム</translation>
    </message>
    <message>
        <source>Grunge Frame</source>
        <translation>グランジフレーム</translation>
    </message>
    <message>
        <source>Picture Frame</source>
        <translation>額縁フレーム</translation>
    </message>
    <message>
        <source>Vintage Frame</source>
        <translation>ビンテージフレーム</translation>
    </message>
    <message>
        <source>Raise</source>
        <translation>立体枠</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>影</translation>
    </message>
    <message>
        <source>Simple Border</source>
        <translation>枠線</translation>
    </message>
    <message>
        <source>Auto Rotate</source>
        <translation>自動回転</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>トリミング</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>サイズ変更</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Annotates with a single or multi-line text comment</source>
        <translation>1 行または複数行のテキストを書き込みます</translation>
    </message>
    <message>
        <source>Stamps picture with date and time information</source>
        <translation>写真に日付と時刻を入れます</translation>
    </message>
    <message>
        <source>Adds a text copyright notice</source>
        <translation>テキストで著作権表示を入れます</translation>
    </message>
    <message>
        <source>Adds a copyright logo</source>
        <translation>著作権のロゴを入れます</translation>
    </message>
    <message>
        <source>Adds a simple shaped frame</source>
        <translation>シンプルな図形のフレームを付けます</translation>
    </message>
    <message>
        <source>Adds a grunge frame</source>
        <translation>グランジフレームを付けます</translation>
    </message>
    <message>
        <source>Adds different masks for portrait and landscape photos</source>
        <translation>縦向きと横向きの写真に別々のマスクを付けます</translation>
    </message>
    <message>
        <source>Adds a classic picture frame</source>
        <translation>クラシックな額縁フレームを付けます</translation>
    </message>
    <message>
        <source>Adds a vintage frame</source>
        <translation>ビンテージフレームを付けます</translation>
    </message>
    <message>
        <source>Creates a Polaroid-like picture frame</source>
        <translation>ポラロイド写真風のフレームを付けます</translation>
    </message>
    <message>
        <source>Lightens or darkens image edges to give a 3D raised or lowered effect</source>
        <translation>写真の縁を明るくまたは暗くして、浮き上がった、またはへこんだ立体感を出します</translation>
    </message>
    <message>
        <source>Gives picture a shadow effect around the edges</source>
        <translation>写真の縁に影を付けます</translation>
    </message>
    <message>
        <source>Adds a simple border around the picture</source>
        <translation>写真の周りにシンプルな枠線を付けます</translation>
    </message>
    <message>
        <source>Makes picture hazy in appearance</source>
        <translation>写真をぼかします</translation>
    </message>
    <message>
        <source>Transforms picture to a charcoal sketch</source>
        <translation>写真を木炭画風にします</translation>
    </message>
    <message>
        <source>Highlights edges in picture</source>
        <translation>写真の輪郭を強調します</translation>
    </message>
    <message>
        <source>Highlights edges in picture with a 3D effect</source>
        <translation>写真の輪郭を立体的に強調します</translation>
    </message>
    <message>
        <source>Makes picture hazy in appearance using the gaussian blur algorithm</source>
        <translation>ガウスぼかしで写真をぼかします</translation>
    </message>
    <message>
        <source>Transforms from true colors to grayscale colors</source>
        <translation>フルカラーからグレースケールに変換します</translation>
    </message>
    <message>
        <source>Creates an implosion effect in the center of the image</source>
        <translation>写真の中心に向かってへこむ効果を付けます</translation>
    </message>
    <message>
        <source>Replaces every pixel with its complementary color</source>
        <translation>すべてのピクセルを補色に置き換えます</translation>
    </message>
    <message>
        <source>Adds noise to picture</source>
        <translation>写真にノイズを加えます</translation>
    </message>
    <message>
        <source>Makes picture look like an oil painting</source>
        <translation>写真を油絵風にします</translation>
    </message>
    <message>
        <source>Makes picture look older, in warmer colors</source>
        <translation>暖かい色合いで写真を古びた感じにします</translation>
    </message>
    <message>
        <source>Makes picture look like the photographic film was exposed to light during the development process</source>
        <translation>現像中にフィルムが光にさらされたような写真にします</translation>
    </message>
    <message>
        <source>Makes picture look like a sculpture in grayscale or true colors</source>
        <translation>グレースケールまたはフルカラーで写真を彫刻風にします</translation>
    </message>
    <message>
        <source>Makes picture blurry by spreading pixels randomly</source>
        <translation>ピクセルをランダムに散らして写真をぼかします</translation>
    </message>
    <message>
        <source>Creates a twisting motion</source>
        <translation>写真を渦巻き状にねじります</translation>
    </message>
    <message>
        <source>Creates a horizontal wave effect</source>
        <translation>横方向に波打つ効果を付けます</translation>
    </message>
    <message>
        <source>Automatically adjusts contrast</source>
        <translation>コントラストを自動調整します</translation>
    </message>
    <message>
        <source>Automatically adjusts gamma level</source>
        <translation>ガンマを自動調整します</translation>
    </message>
    <message>
        <source>Automatically adjusts color levels</source>
        <translation>色のレベルを自動調整します</translation>
    </message>
    <message>
        <source>Adjusts light intensity</source>
        <translation>明るさを調整します</translation>
    </message>
    <message>
        <source>Enhances the intensity differences between the lighter and darker pixels</source>
        <translation>明るいピクセルと暗いピクセルの差を強めます</translation>
    </message>
    <message>
        <source>Adjusts the Red, Green and Blue color channels</source>
        <translation>赤、緑、青の各カラーチャンネルを調整します</translation>
    </message>
    <message>
        <source>Applies a histogram equalization</source>
        <translation>ヒストグラムを平坦化します</translation>
    </message>
    <message>
        <source>Corrects Hue, Saturation and Lightness</source>
        <translation>色相、彩度、明度を補正します</translation>
    </message>
    <message>
        <source>Adjusts levels by scaling the colors falling between specified white and black points to the full available quantum range</source>
        <translation>指定した白点と黒点の間の色を全階調に広げて、レベルを調整します</translation>
    </message>
    <message>
        <source>Reduces noise caused by poor lighting conditions or mobile digital cameras</source>
        <translation>暗い場所での撮影や携帯電話のカメラで生じるノイズを減らします</translation>
    </message>
    <message>
        <source>Sharpens picture by enhancing edge contrast</source>
        <translation>輪郭のコントラストを強めて写真をシャープにします</translation>
    </message>
    <message>
        <source>Uses Radius and Threshold options to sharpen picture</source>
        <translation>半径としきい値を指定して写真をシャープにします</translation>
    </message>
    <message>
        <source>Automatically rotates photos based on the information embedded by the digital camera</source>
        <translation>デジタルカメラが記録した情報をもとに写真を自動的に回転します</translation>
    </message>
    <message>
        <source>Automatically crops the image according to a specified aspect ratio</source>
        <translation>指定した縦横比で写真を自動的にトリミングします</translation>
    </message>
    <message>
        <source>Replaces a RGB color or the Alpha channel</source>
        <translation>RGB の色またはアルファチャンネルを置き換えます</translation>
    </message>
    <message>
        <source>Cuts a rectangular subregion from the image</source>
        <translation>写真の四角形の範囲をトリミングします</translation>
    </message>
    <message>
        <source>Flips picture in vertical and/or horizontal direction</source>
        <translation>写真を上下または左右に反転します</translation>
    </message>
    <message>
        <source>Adjusts image size using pixels or percents</source>
        <translation>ピクセルまたはパーセントで写真のサイズを変更します</translation>
    </message>
    <message>
        <source>Adjusts document size and DPI resolution</source>
        <translation>文書のサイズと DPI 解像度を調整します</translation>
    </message>
    <message>
        <source>Rolls vertically or horizontally by a specified number of pixels</source>
        <translation>指定したピクセル数だけ上下または左右にずらします</translation>
    </message>
    <message>
        <source>Rotates by a specified number of degrees</source>
        <translation>指定した角度だけ回転します</translation>
    </message>
    <message>
        <source>Creates a small thumbnail from the picture</source>
        <translation>写真から小さなサムネイルを作ります</translation>
    </message>
    <message>
        <source>Keep original image format (if possible)</source>
        <translation>元のファイル形式のまま (可能な場合)</translation>
    </message>
    <message>
        <source>The project was created with a different program version so it may not be correctly imported.
In order to correct any potential problems adjust the settings and save.</source>
        <translation>このプロジェクトは別のバージョンで作成されたため、正しく読み込めていない可能性があります。
問題があれば、設定を調整して保存し直してください。</translation>
    </message>
    <message>
        <source>Auto Gamma</source>
        <translation>ガンマ自動調整</translation>
    </message>
    <message>
        <source>Convert to JPEG with High Quality</source>
        <translation>JPEG (高画質) に変換</translation>
    </message>
    <message>
        <source>Convert to JPEG file format with high quality (90%) which will result in larger file sizes.</source>
        <translation>高画質 (90%) の JPEG 形式に変換します。ファイルサイズは大きくなります。</translation>
    </message>
    <message>
        <source>Convert to JPEG with Medium Quality</source>
        <translation>JPEG (標準画質) に変換</translation>
    </message>
    <message>
        <source>Convert to JPEG file format with medium quality (75%) which will result in medium file sizes.</source>
        <translation>標準画質 (75%) の JPEG 形式に変換します。ファイルサイズは中程度になります。</translation>
    </message>
    <message>
        <source>Convert to PDF Album</source>
        <translation>PDF アルバムに変換</translation>
    </message>
    <message>
        <source>Create a single PDF album from all the photos added</source>
        <translation>追加したすべての写真から 1 つの PDF アルバムを作ります</translation>
    </message>
    <message>
        <source>Convert to PNG</source>
        <translation>PNG に変換</translation>
    </message>
    <message>
        <source>Convert to PNG file format for the best quality.</source>
        <translation>画質を損なわない PNG 形式に変換します。</translation>
    </message>
    <message>
        <source>Convert to TIFF</source>
        <translation>TIFF に変換</translation>
    </message>
    <message>
        <source>Convert to TIFF file format for the best quality.</source>
        <translation>画質を損なわない TIFF 形式に変換します。</translation>
    </message>
    <message>
        <source>Auto Contrast</source>
        <translation>コントラスト自動調整</translation>
    </message>
    <message>
        <source>Add Date and Time</source>
        <translation>日付と時刻を入れる</translation>
    </message>
    <message>
        <source>Reduce Noise</source>
        <translation>ノイズを減らす</translation>
    </message>
    <message>
        <source>Adjust Sharpness</source>
        <translation>シャープネスの調整</translation>
    </message>
    <message>
        <source>Effect Black &amp; White</source>
        <translation>効果: 白黒</translation>
    </message>
    <message>
        <source>Effect Charcoal</source>
        <translation>効果: 木炭画</translation>
    </message>
    <message>
        <source>Effect Implode</source>
        <translation>効果: へこみ</translation>
    </message>
    <message>
        <source>Effect Oil Painting</source>
        <translation>効果: 油絵</translation>
    </message>
    <message>
        <source>Effect Raise</source>
        <translation>効果: 立体枠</translation>
    </message>
    <message>
        <source>Effect Sepia</source>
        <translation>効果: セピア</translation>
    </message>
    <message>
        <source>Effect Shade</source>
        <translation>効果: 陰影</translation>
    </message>
    <message>
        <source>Effect Spread</source>
        <translation>効果: 拡散</translation>
    </message>
    <message>
        <source>Effect Swirl</source>
        <translation>効果: 渦巻き</translation>
    </message>
    <message>
        <source>Effect Wave</source>
        <translation>効果: 波</translation>
    </message>
    <message>
        <source>Rename to Folder&apos;s Name</source>
        <translation>フォルダー名に変更</translation>
    </message>
    <message>
        <source>If photos are organized into a folder with a meaningful name, this profile will rename all contained pictures to the folder&apos;s name</source>
        <translation>写真を分かりやすい名前のフォルダーに整理している場合、このプロファイルはフォルダー内のすべての写真の名前をフォルダー名に変更します</translation>
    </message>
    <message>
        <source>Rename to Photo&apos;s Date</source>
        <translation>撮影日時に変更</translation>
    </message>
    <message>
        <source>Change the names for a set of photos to the original dates when they were taken and also adds a counter to differentiate between photos taken at the same time</source>
        <translation>写真の名前を撮影日時に変更します。同じ時刻に撮影した写真を区別するために連番も付けます</translation>
    </message>
    <message>
        <source>Resize for Auction Site</source>
        <translation>オークションサイト用にサイズ変更</translation>
    </message>
    <message>
        <source>Make photos very small (400x300) for uploading to auction sites like eBay</source>
        <translation>eBay などのオークションサイトにアップロードするため、写真をとても小さく (400x300) します</translation>
    </message>
    <message>
        <source>Resize for Sending via Email</source>
        <translation>メール送信用にサイズ変更</translation>
    </message>
    <message>
        <source>Make photos smaller (1280x960) for sending as attachment via email</source>
        <translation>メールに添付して送るため、写真を小さく (1280x960) します</translation>
    </message>
    <message>
        <source>Resize for Uploading Online</source>
        <translation>オンライン公開用にサイズ変更</translation>
    </message>
    <message>
        <source>Make photos smaller (1600x1200) for uploading online to sites like Facebook, Picasa, or for sharing with friends</source>
        <translation>Facebook や Picasa などへのアップロードや、友だちとの共有のため、写真を小さく (1600x1200) します</translation>
    </message>
    <message>
        <source>Send via E-mail</source>
        <translation>メールで送信</translation>
    </message>
    <message>
        <source>Send photos via E-mail</source>
        <translation>写真をメールで送信します</translation>
    </message>
    <message>
        <source>Upload to Twitpic</source>
        <translation>Twitpic にアップロード</translation>
    </message>
    <message>
        <source>Upload photos to Twitpic</source>
        <translation>写真を Twitpic にアップロードします</translation>
    </message>
    <message>
        <source>Upload to Picasa</source>
        <translation>Picasa にアップロード</translation>
    </message>
    <message>
        <source>Upload photos to Picasa</source>
        <translation>写真を Picasa にアップロードします</translation>
    </message>
    <message>
        <source>Upload to Facebook</source>
        <translation>Facebook にアップロード</translation>
    </message>
    <message>
        <source>Upload photos to Facebook</source>
        <translation>写真を Facebook にアップロードします</translation>
    </message>
</context>
</TS>
