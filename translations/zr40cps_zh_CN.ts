<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>BackupStore</name>
    <message>
        <source> (%1)</source>
        <extracomment>The operating system&apos;s own words after a message.</extracomment>
        <translation>（%1）</translation>
    </message>
    <message>
        <source>No folder is set for backups.</source>
        <translation>没有设定备份文件夹。</translation>
    </message>
    <message>
        <source>The backup folder %1 cannot be created.</source>
        <translation>无法创建备份文件夹%1。</translation>
    </message>
    <message>
        <source>The backup %1 cannot be written%2.</source>
        <translation>无法写入备份文件%1%2。</translation>
    </message>
    <message>
        <source>The backup %1 does not hold what was read from the radio%2.</source>
        <translation>备份文件%1与从对讲机读取的数据不一致%2。</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Before write</source>
        <translation>写入前</translation>
    </message>
</context>
<context>
    <name>BackupsDialog</name>
    <message>
        <source>Backups</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Every radio read and every radio before a write is kept here for %1 days:
%2</source>
        <translation>每次读取的对讲机数据和每次写入前的对讲机数据在此保留%1天：
%2</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Channels in use</source>
        <translation>使用中的信道</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Show &amp;Folder</source>
        <translation>打开文件夹(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>无法读取</translation>
    </message>
</context>
<context>
    <name>BandChoice</name>
    <message>
        <source>Band: %1-%2 MHz</source>
        <translation>频段：%1-%2 MHz</translation>
    </message>
    <message>
        <source> (--band)</source>
        <translation>（--band）</translation>
    </message>
    <message>
        <source> (the band last chosen in Model Information)</source>
        <translation>（机型信息中最后选择的频段）</translation>
    </message>
    <message>
        <source> (no band chosen: give --band, or choose one in Model Information)</source>
        <translation>（未选择频段：请用 --band 指定，或在机型信息中选择）</translation>
    </message>
</context>
<context>
    <name>ChannelClipboard</name>
    <message>
        <source>rows %1 left over: channel 32 is the last</source>
        <translation>第%1行未粘贴：信道32是最后一个</translation>
    </message>
    <message>
        <source>The clipboard holds no channel rows.</source>
        <translation>剪贴板中没有信道行。</translation>
    </message>
    <message>
        <source>The copied channels cannot be read.</source>
        <translation>无法读取复制的信道。</translation>
    </message>
</context>
<context>
    <name>ChannelCsv</name>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>第%1行，%2列：%3</translation>
    </message>
    <message>
        <source>line %1 (channel %2): %3</source>
        <translation>第%1行（信道%2）：%3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a frequency in MHz</source>
        <translation>“%1”不是以MHz为单位的频率</translation>
    </message>
    <message>
        <source>RxMHz %1 is outside the band %2; set to %3</source>
        <translation>RxMHz %1 超出频段 %2，改为 %3</translation>
    </message>
    <message>
        <source>TxMHz follows RxMHz but is held to the transmit limit %1 MHz</source>
        <translation>TxMHz 跟随 RxMHz，但限制在发射上限 %1 MHz</translation>
    </message>
    <message>
        <source>TxMHz %1 is outside the band %2-%3 MHz; set to %4</source>
        <translation>TxMHz %1 超出频段 %2-%3 MHz，改为 %4</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is none of: %2</source>
        <translation>“%1”不在以下之中：%2</translation>
    </message>
    <message>
        <source>%1 ignored: digital channels carry no CTCSS/DCS</source>
        <translation>忽略 %1：数字信道没有 CTCSS/DCS</translation>
    </message>
    <message>
        <source>%1 %2 is not on the tone list; dropped</source>
        <translation>%1 %2 不在亚音列表中，已去掉</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no receive list: the radio reports none</source>
        <translation>“%1”不是接收列表：对讲机没有接收列表</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a receive list 1..%2</source>
        <translation>“%1”不是接收列表 1..%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a hexadecimal ID</source>
        <translation>“%1”不是十六进制ID</translation>
    </message>
    <message>
        <source>line 1: unknown column &apos;%1&apos; (known: %2)</source>
        <translation>第1行：未知的列“%1”（可用：%2）</translation>
    </message>
    <message>
        <source>line 1: the header row needs the columns Channel and RxMHz</source>
        <translation>第1行：标题行需要 Channel 和 RxMHz 两列</translation>
    </message>
    <message>
        <source>line %1: more cells than columns</source>
        <translation>第%1行：单元格多于列数</translation>
    </message>
    <message>
        <source>line %1, column Channel: &apos;%2&apos; is not a channel number 1..32</source>
        <translation>第%1行，Channel列：“%2”不是信道号 1..32</translation>
    </message>
</context>
<context>
    <name>ChannelEffects</name>
    <message>
        <source>Analog CH</source>
        <translation>模拟信道</translation>
    </message>
</context>
<context>
    <name>ChannelRules</name>
    <message>
        <source>Frequency is out of range!</source>
        <translation>频率超出范围！</translation>
    </message>
</context>
<context>
    <name>CheckListDialog</name>
    <message>
        <source>Severity</source>
        <translation>类别</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>Check Before Writing</source>
        <translation>写入前检查</translation>
    </message>
    <message>
        <source>The plan has %1 warning(s). Write it to the radio anyway?</source>
        <translation>数据中有%1个警告。仍然写入对讲机吗？</translation>
    </message>
    <message>
        <source>Write &amp;Anyway</source>
        <translation>仍然写入(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>The plan has %1 error(s) and %2 warning(s). It is not written to the radio until the errors are mended.</source>
        <translation>数据中有%1个错误和%2个警告。改正错误之前不会写入对讲机。</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Model &amp;Information...</source>
        <translation>机型信息(&amp;I)...</translation>
    </message>
</context>
<context>
    <name>CodeplugCheck</name>
    <message>
        <source>Tune point count</source>
        <translation>调谐点数量</translation>
    </message>
    <message>
        <source>Channel count</source>
        <translation>信道数量</translation>
    </message>
    <message>
        <source>Rx list count</source>
        <translation>接收列表数量</translation>
    </message>
    <message>
        <source>No channel is in use; the radio would have no channel.</source>
        <translation>没有使用中的信道，对讲机将没有任何信道。</translation>
    </message>
    <message>
        <source>Data version %1 is not the ZR40&apos;s (1).</source>
        <translation>数据版本%1不是ZR40的版本(1)。</translation>
    </message>
    <message>
        <source>%1 %2 is outside 0 to %3.</source>
        <extracomment>A count of the file&apos;s header, its value and the highest it may be.</extracomment>
        <translation>%1%2超出0到%3的范围。</translation>
    </message>
    <message>
        <source>No band chosen yet: checked only against %1-%2 MHz.</source>
        <translation>尚未选择频段：只按 %1-%2 MHz 检查。</translation>
    </message>
    <message>
        <source>Channel type %1 is neither analog (1) nor digital (2).</source>
        <translation>信道类型%1既不是模拟(1)也不是数字(2)。</translation>
    </message>
    <message>
        <source>Receive frequency %1 is outside the band %2 to %3 MHz.</source>
        <translation>接收频率%1超出频段%2到%3 MHz。</translation>
    </message>
    <message>
        <source>Transmit frequency %1 is outside the band %2 to %3 MHz.</source>
        <translation>发射频率%1超出频段%2到%3 MHz。</translation>
    </message>
    <message>
        <source>Decode tone %1 is not on the tone list.</source>
        <translation>解码亚音%1不在亚音列表中。</translation>
    </message>
    <message>
        <source>Encode tone %1 is not on the tone list.</source>
        <translation>编码亚音%1不在亚音列表中。</translation>
    </message>
    <message>
        <source>Receive list %1 does not exist; the plan has %2 lists.</source>
        <translation>接收列表%1不存在，数据中只有%2个接收列表。</translation>
    </message>
    <message>
        <source>Receive list %1 is empty.</source>
        <translation>接收列表%1为空。</translation>
    </message>
    <message>
        <source>Transmit ID %1 is outside the range of every call type.</source>
        <translation>发射ID %1超出所有呼叫方式的范围。</translation>
    </message>
    <message>
        <source>The receive key is enabled but has no digits.</source>
        <translation>接收密钥已使能但没有数字。</translation>
    </message>
    <message>
        <source>The transmit key is enabled but has no digits.</source>
        <translation>发射密钥已使能但没有数字。</translation>
    </message>
    <message>
        <source>Identical to channel %1.</source>
        <translation>与信道%1完全相同。</translation>
    </message>
    <message>
        <source>ID %1 is in the list twice (entries %2 and %3).</source>
        <translation>ID %1在列表中出现两次（第%2项和第%3项）。</translation>
    </message>
</context>
<context>
    <name>CodeplugDiff</name>
    <message>
        <source>Stored values</source>
        <translation>存储的数值</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Entry %1</source>
        <translation>第%1项</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>已设置</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>新密码</translation>
    </message>
    <message>
        <source>Tune points written</source>
        <translation>写入的调谐点</translation>
    </message>
    <message>
        <source>%1 of the %2 on the page; points %3-%2 are not written</source>
        <translation>页面上%2个中的%1个；第%3-%2点不写入</translation>
    </message>
</context>
<context>
    <name>CodeplugJson</name>
    <message>
        <source>: expected a 32-bit integer</source>
        <translation>：应为32位整数</translation>
    </message>
    <message>
        <source>: expected a list of %1 integers</source>
        <translation>：应为%1个整数的列表</translation>
    </message>
    <message>
        <source>: unknown field</source>
        <translation>：未知字段</translation>
    </message>
    <message>
        <source>Channels: expected a list of at most 32 channel objects</source>
        <translation>Channels：应为最多32个信道对象的列表</translation>
    </message>
    <message>
        <source>: expected a channel object</source>
        <translation>：应为信道对象</translation>
    </message>
    <message>
        <source>RxListEntry: expected 8 lists of 8 integers</source>
        <translation>RxListEntry：应为8个列表，每个8个整数</translation>
    </message>
    <message>
        <source>not valid json at offset %1: %2</source>
        <translation>第%1字节处不是有效的 json：%2</translation>
    </message>
    <message>
        <source>expected a json object at the top</source>
        <translation>最外层应为 json 对象</translation>
    </message>
</context>
<context>
    <name>CodeplugReport</name>
    <message>
        <source>%1 of 32 channels in use
</source>
        <translation>32个信道中已使用%1个
</translation>
    </message>
    <message>
        <source>No</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Rx Freq</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>Tx Freq</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>Local ID</source>
        <translation>本机ID</translation>
    </message>
    <message>
        <source>Voice Prompt</source>
        <translation>提示音</translation>
    </message>
    <message>
        <source>TOT [s]</source>
        <translation>超时定时器[秒]</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>声控等级</translation>
    </message>
    <message>
        <source>VOX Delay [s]</source>
        <translation>声控延时[秒]</translation>
    </message>
    <message>
        <source>Save Mode</source>
        <translation>省电模式</translation>
    </message>
</context>
<context>
    <name>CommonRadioCsv</name>
    <message>
        <source>row %1: </source>
        <translation>第%1行：</translation>
    </message>
    <message>
        <source>The first row does not name the columns Location and Frequency.</source>
        <translation>第一行没有 Location 和 Frequency 列。</translation>
    </message>
    <message>
        <source>rows %1 left over: channel 32 is the last</source>
        <translation>第%1行未导入：信道32是最后一个</translation>
    </message>
    <message>
        <source>Names, comments, tuning steps, skip marks and the D-STAR columns are not kept: the radio has no place for them.</source>
        <translation>名称、备注、步进、跳过标记和 D-STAR 列不保留：本机没有存放它们的位置。</translation>
    </message>
    <message>
        <source>No row could be used as a channel of this radio.</source>
        <translation>没有可以用作本机信道的行。</translation>
    </message>
    <message>
        <source>digital channels %1 left out: the format has no digital channels</source>
        <translation>未导出数字信道 %1：此格式没有数字信道</translation>
    </message>
    <message>
        <source>%1; skipped</source>
        <extracomment>A row&apos;s problem, then that the row was left out.</extracomment>
        <translation>%1，已跳过</translation>
    </message>
    <message>
        <source>mode %1 cannot be used on this radio (FM and NFM only)</source>
        <translation>本机不能使用 %1 模式（只有 FM 和 NFM）</translation>
    </message>
    <message>
        <source>transmit frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>%1 %2 MHz is outside the band %3-%4 MHz</source>
        <extracomment>The frequency&apos;s kind (the texts above), its value, then the band.</extracomment>
        <translation>%1 %2 MHz 超出频段 %3-%4 MHz</translation>
    </message>
    <message>
        <source>Frequency &apos;%1&apos; is not a frequency in MHz</source>
        <translation>Frequency“%1”不是以MHz为单位的频率</translation>
    </message>
    <message>
        <source>Offset &apos;%1&apos; is not a frequency in MHz</source>
        <translation>Offset“%1”不是以MHz为单位的频率</translation>
    </message>
    <message>
        <source>Duplex &apos;%1&apos; is unknown</source>
        <translation>未知的 Duplex“%1”</translation>
    </message>
    <message>
        <source>tone %1 is not one the radio has; dropped</source>
        <translation>本机没有亚音 %1，已去掉</translation>
    </message>
    <message>
        <source>CrossMode &apos;%1&apos; is unknown; no tones</source>
        <translation>未知的 CrossMode“%1”，不设亚音</translation>
    </message>
    <message>
        <source>Tone &apos;%1&apos; is unknown; no tones</source>
        <translation>未知的 Tone“%1”，不设亚音</translation>
    </message>
</context>
<context>
    <name>DiffItems</name>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>Channel Type</source>
        <translation>信道配置</translation>
    </message>
    <message>
        <source>CTCSS/DCS Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <source>CTCSS/DCS Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Tx Power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>Channel Spacing</source>
        <translation>信道间隔</translation>
    </message>
    <message>
        <source>Sq Level</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <source>Denoise Level</source>
        <translation>降噪等级</translation>
    </message>
    <message>
        <source>Tx Setting</source>
        <translation>发射权限</translation>
    </message>
    <message>
        <source>Rx List</source>
        <translation>接收列表</translation>
    </message>
    <message>
        <source>Rx Encrypt Enable</source>
        <translation>接收密钥使能</translation>
    </message>
    <message>
        <source>Rx Password</source>
        <translation>接收密钥</translation>
    </message>
    <message>
        <source>Tx Encrypt Enable</source>
        <translation>发射密钥使能</translation>
    </message>
    <message>
        <source>Tx Password</source>
        <translation>发射密钥</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>呼叫方式</translation>
    </message>
    <message>
        <source>Rx Color Code</source>
        <translation>接收色码</translation>
    </message>
    <message>
        <source>Tx Color Code</source>
        <translation>发射色码</translation>
    </message>
    <message>
        <source>Tx Time-out</source>
        <translation>发射超时</translation>
    </message>
    <message>
        <source>Quiet Level</source>
        <translation>静音等级</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>压扩</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>扰频</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Tune header blocks</source>
        <translation>调谐头块数</translation>
    </message>
    <message>
        <source>Tune point count</source>
        <translation>调谐点数量</translation>
    </message>
    <message>
        <source>Settings blocks</source>
        <translation>设置块数</translation>
    </message>
    <message>
        <source>Channel count</source>
        <translation>信道数量</translation>
    </message>
    <message>
        <source>Rx list count</source>
        <translation>接收列表数量</translation>
    </message>
    <message>
        <source>Ctcss Deviation</source>
        <translation>模拟亚音频偏</translation>
    </message>
    <message>
        <source>Cdcss Deviation</source>
        <translation>数字亚音频偏</translation>
    </message>
    <message>
        <source>Mic Amp</source>
        <translation>麦克增益</translation>
    </message>
    <message>
        <source>Speaker Amp</source>
        <translation>喇叭增益</translation>
    </message>
    <message>
        <source>Ex-noise(W)</source>
        <translation>噪声阈值(W)</translation>
    </message>
    <message>
        <source>Ex-noise(N)</source>
        <translation>噪声阈值(N)</translation>
    </message>
    <message>
        <source>Tune Freq</source>
        <translation>调谐频率</translation>
    </message>
    <message>
        <source>Bias Voltage</source>
        <translation>偏置电压</translation>
    </message>
    <message>
        <source>OSC Adjust</source>
        <translation>晶振补偿</translation>
    </message>
    <message>
        <source>Digital Tx Dev</source>
        <translation>数字发射频偏</translation>
    </message>
    <message>
        <source>SQ</source>
        <translation>SQ阈值</translation>
    </message>
    <message>
        <source>(not in use)</source>
        <translation>（未使用）</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>zr40cps: this program needs a graphical display, and none could be found or opened.
</source>
        <translation>zr40cps：本程序需要图形显示，但找不到或无法打开。
</translation>
    </message>
    <message>
        <source>Without one, the zr40 command reads, checks, prints and writes radio data files and radios: see &apos;zr40 --help&apos;.
</source>
        <translation>没有图形显示时，可用 zr40 命令读取、检查、打印和写入对讲机数据文件及对讲机：请参阅 &apos;zr40 --help&apos;。
</translation>
    </message>
</context>
<context>
    <name>EditStep</name>
    <message>
        <source>%1 of channel %2</source>
        <extracomment>An edit of one field of a channel, as Undo and Redo name it: the field, then the channel&apos;s number.</extracomment>
        <translation>信道%2 %1</translation>
    </message>
    <message>
        <source>%1 channel %2</source>
        <extracomment>An action on channels, as Undo and Redo name it: the action, then the numbers.</extracomment>
        <translation>%1 信道%2</translation>
    </message>
    <message>
        <source>%1 channels %2</source>
        <translation>%1 信道%2</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
</context>
<context>
    <name>FileResult</name>
    <message>
        <source> %1</source>
        <extracomment>A file&apos;s name after the word &quot;file&quot; in the messages below.</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source> (%1)</source>
        <extracomment>The operating system&apos;s own words after a message.</extracomment>
        <translation>（%1）</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>没有指定文件名。</translation>
    </message>
    <message>
        <source>The file%1 cannot be opened%2.</source>
        <translation>无法打开文件%1%2。</translation>
    </message>
    <message>
        <source>The file%1 is a folder, a device or a pipe, not a file that can be read or replaced.%2</source>
        <translation>文件%1是文件夹、设备或管道，不是可读取或替换的文件。%2</translation>
    </message>
    <message>
        <source>The file%1 is larger than %2 bytes; it is not a file this program reads.</source>
        <translation>文件%1大于%2字节，不是本程序可读取的文件。</translation>
    </message>
    <message>
        <source>The file%1 is too short to be a ZR40 radio data file (it must be 5124 bytes).%2</source>
        <translation>文件%1太短，不是ZR40对讲机数据文件（应为5124字节）。%2</translation>
    </message>
    <message>
        <source>The file%1 is not a ZR40 radio data file (its header is not &quot;ZR40 Ver&quot;).%2</source>
        <translation>文件%1不是ZR40对讲机数据文件（文件头不是&quot;ZR40 Ver&quot;）。%2</translation>
    </message>
    <message>
        <source>The file%1 cannot be written%2; the previous file, if any, is unchanged.</source>
        <translation>无法写入文件%1%2；原有文件保持不变。</translation>
    </message>
</context>
<context>
    <name>FleetCommand</name>
    <message>
        <source>Stopping now: the write under way is cut short.</source>
        <translation>立即停止：正在进行的写入将被中断。</translation>
    </message>
    <message>
        <source>Stopping after the radio at hand (Ctrl+C again cuts its write short).</source>
        <translation>当前对讲机完成后停止（再按 Ctrl+C 将中断其写入）。</translation>
    </message>
    <message>
        <source>Backup: </source>
        <translation>备份：</translation>
    </message>
    <message>
        <source>Radio %1 — ID %2: %3</source>
        <translation>第 %1 台对讲机 — ID %2：%3</translation>
    </message>
    <message>
        <source>The session stops.</source>
        <translation>批量写频停止。</translation>
    </message>
    <message>
        <source>; log: </source>
        <translation>；日志：</translation>
    </message>
</context>
<context>
    <name>FleetDriver</name>
    <message>
        <source>Nothing was written.</source>
        <translation>没有写入任何数据。</translation>
    </message>
    <message>
        <source>The radio&apos;s replies were garbled.</source>
        <translation>对讲机的应答有误。</translation>
    </message>
    <message>
        <source>The radio stopped answering.</source>
        <translation>对讲机停止应答。</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>The serial port was lost: %1.</source>
        <translation>串口已断开：%1。</translation>
    </message>
    <message>
        <source>Written; stopped before the read-back was complete.</source>
        <translation>已写入；读回校验完成前已停止。</translation>
    </message>
    <message>
        <source>Stopped while writing; the radio may hold part of the plan.</source>
        <translation>写入时已停止，对讲机中可能只有部分数据。</translation>
    </message>
    <message>
        <source>Stopped before anything was written.</source>
        <translation>已停止，没有写入任何数据。</translation>
    </message>
</context>
<context>
    <name>FleetIds</name>
    <message>
        <source>&quot;%1&quot; is not an ID from 0 to 7FFFFF</source>
        <translation>“%1”不是 0 到 7FFFFF 之间的 ID</translation>
    </message>
    <message>
        <source>Line %1: </source>
        <translation>第 %1 行：</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a range of IDs like 1001-1020</source>
        <translation>“%1”不是像 1001-1020 这样的 ID 范围</translation>
    </message>
    <message>
        <source>The range %1 ends before it begins</source>
        <translation>ID 范围 %1 的结束小于开始</translation>
    </message>
    <message>
        <source>ID %1 is already on line %2</source>
        <translation>ID %1 已在第 %2 行</translation>
    </message>
    <message>
        <source>The list holds no ID</source>
        <translation>列表中没有 ID</translation>
    </message>
</context>
<context>
    <name>FleetRecord</name>
    <message>
        <source>The folder of the log %1 cannot be created.</source>
        <translation>无法创建日志%1的文件夹。</translation>
    </message>
    <message>
        <source>%1 is not a fleet log; choose another file.</source>
        <translation>%1不是批量写频日志，请选择其他文件。</translation>
    </message>
    <message>
        <source>The log %1 cannot be written (%2).</source>
        <translation>无法写入日志%1（%2）。</translation>
    </message>
</context>
<context>
    <name>FleetStatus</name>
    <message>
        <source>Connect radio %1 of %2 — ID %3</source>
        <translation>请连接第 %1 台对讲机（共 %2 台）— ID %3</translation>
    </message>
    <message>
        <source>The session has ended</source>
        <translation>批量写频已结束</translation>
    </message>
    <message>
        <source>done, unplug it</source>
        <translation>已完成，请断开</translation>
    </message>
    <message>
        <source>backing up</source>
        <translation>正在备份</translation>
    </message>
    <message>
        <source>saving the backup</source>
        <translation>正在保存备份</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>正在写入</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>正在校验</translation>
    </message>
    <message>
        <source>Radio %1 of %2 — ID %3: %4</source>
        <translation>第 %1 台对讲机（共 %2 台）— ID %3：%4</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>已校验</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>有差异</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>已写入</translation>
    </message>
    <message>
        <source>Incomplete</source>
        <translation>未完成</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>%1 of %2 radios done, %3 of them without fault</source>
        <translation>已处理 %1 台对讲机（共 %2 台），其中 %3 台无误</translation>
    </message>
</context>
<context>
    <name>FormBatchChannelEdit</name>
    <message>
        <source>Batch ChannelEdit</source>
        <translation>信道批量编辑</translation>
    </message>
    <message>
        <source>Area:</source>
        <translation>范围:</translation>
    </message>
    <message>
        <source>All Channel</source>
        <translation>所有信道</translation>
    </message>
    <message>
        <source>From Channel             To Channel</source>
        <translation>从信道                   到信道</translation>
    </message>
    <message>
        <source>Clear the data of other channel</source>
        <translation>清空选定范围外的信道</translation>
    </message>
    <message>
        <source>Channel=(GroupID-1)*16+ChannelID</source>
        <translation>信道=(组ID-1)*16+信道ID</translation>
    </message>
    <message>
        <source>Edit &amp;Setting</source>
        <translation>编辑设定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>RX Frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>Incept Frequency(MHz)</source>
        <translation>起始频率(MHz)</translation>
    </message>
    <message>
        <source>RX Step(KHz)</source>
        <translation>接收步进(KHz)</translation>
    </message>
    <message>
        <source>ASC</source>
        <translation>递增</translation>
    </message>
    <message>
        <source>DESC</source>
        <translation>递减</translation>
    </message>
    <message>
        <source>TX Frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Offset(MHz)</source>
        <translation>偏移频率(MHz)</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>频偏加</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>频偏减</translation>
    </message>
    <message>
        <source>Incept(MHz)</source>
        <translation>起始频率(MHz)</translation>
    </message>
    <message>
        <source>TX Step(KHz)</source>
        <translation>发射步进(KHz)</translation>
    </message>
    <message>
        <source>CTCSS/DCS Decode</source>
        <translation>CTCSS/DCS解码</translation>
    </message>
    <message>
        <source>Incept</source>
        <translation>起始信令</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>间隔</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>随机</translation>
    </message>
    <message>
        <source>CTCSS/DCS Encode</source>
        <translation>CTCSS/DCS编码</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>Channel Spacing</source>
        <translation>宽窄带</translation>
    </message>
    <message>
        <source>Busy Channel Lock-out</source>
        <translation>信道繁忙锁定</translation>
    </message>
    <message>
        <source>Scan Add</source>
        <translation>扫描添加</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>倒频</translation>
    </message>
    <message>
        <source>Talk Around</source>
        <translation>脱网</translation>
    </message>
    <message>
        <source>Select Al&amp;l</source>
        <translation>全选(&amp;L)</translation>
    </message>
    <message>
        <source>Select &amp;None</source>
        <translation>全不选(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>应用(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>The frequency of %n channel(s) ran past the band and was set to the band edge.</source>
        <translation>%n 个信道的频率超出频段，已设为频段边缘。</translation>
    </message>
</context>
<context>
    <name>FormChannelCopy</name>
    <message>
        <source>Copy Channel</source>
        <translation>信道复制</translation>
    </message>
    <message>
        <source>Channel               To Channel</source>
        <translation>信道                   到信道</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>复制(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>FormChannelEdit</name>
    <message>
        <source>Channel Edit</source>
        <translation>信道信息</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>CTCSS/DCS Decode</source>
        <translation>CTCSS/DCS解码</translation>
    </message>
    <message>
        <source>CTCSS/DCS Encode</source>
        <translation>CTCSS/DCS编码</translation>
    </message>
    <message>
        <source>Tx Power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>Channel Spacing</source>
        <translation>信道间隔</translation>
    </message>
    <message>
        <source>Sq Level</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <source>Denoise Level</source>
        <translation>降噪等级</translation>
    </message>
    <message>
        <source>Tx Setting</source>
        <translation>发射权限</translation>
    </message>
    <message>
        <source>Rx List</source>
        <translation>接收列表</translation>
    </message>
    <message>
        <source>Rx Encrypt Enable</source>
        <translation>接收密钥使能</translation>
    </message>
    <message>
        <source>Rx Password</source>
        <translation>接收密钥</translation>
    </message>
    <message>
        <source>Tx Encrypt Enable</source>
        <translation>发射密钥使能</translation>
    </message>
    <message>
        <source>Tx Password</source>
        <translation>发射密钥</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>呼叫方式</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Only Input Numbers</source>
        <translation>只能输入数字</translation>
    </message>
    <message>
        <source>Tx ID</source>
        <translation>发射ID</translation>
    </message>
</context>
<context>
    <name>FormChannelInformation</name>
    <message>
        <source>Channel Information</source>
        <translation>信道信息</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>Channel Type</source>
        <translation>信道配置</translation>
    </message>
    <message>
        <source>CTCSS/DCS Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <source>CTCSS/DCS Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Tx Power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>More</source>
        <translation>更多</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Copy Channels</source>
        <translation>复制信道(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste Channels</source>
        <translation>粘贴信道(&amp;P)</translation>
    </message>
    <message>
        <source>C&amp;lear Channels</source>
        <translation>清除信道(&amp;L)</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>The rows cannot be pasted:</source>
        <translation>无法粘贴这些行：</translation>
    </message>
    <message>
        <source>Rows %1 were not pasted: channel 32 is the last.</source>
        <translation>第%1行没有粘贴：信道32是最后一个。</translation>
    </message>
    <message>
        <source>Copy Channel…</source>
        <translation>信道复制…</translation>
    </message>
    <message>
        <source>Copy of channel %1 to channel %2</source>
        <translation>复制信道%1到信道%2</translation>
    </message>
</context>
<context>
    <name>FormComPort</name>
    <message>
        <source>Set COM</source>
        <translation>串口设置</translation>
    </message>
    <message>
        <source>Comm Port</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>A ZR40 simulated on this computer, without a password: leave the password empty to read and write it. What is written to it is kept in
%1</source>
        <translation>在本机上模拟的 ZR40，没有密码：密码留空即可读写。写入的数据保存在
%1</translation>
    </message>
    <message>
        <source>The virtual radio could not be started.
</source>
        <translation>无法启动虚拟对讲机。
</translation>
    </message>
</context>
<context>
    <name>FormEmbedMessage</name>
    <message>
        <source>Embedded Message</source>
        <translation>嵌入信息</translation>
    </message>
</context>
<context>
    <name>FormFleet</name>
    <message>
        <source>Program Several Radios</source>
        <translation>批量写频</translation>
    </message>
    <message>
        <source>Local IDs:</source>
        <translation>本机 ID：</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>范围</translation>
    </message>
    <message>
        <source>List file</source>
        <translation>列表文件</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>浏览…</translation>
    </message>
    <message>
        <source>Log file:</source>
        <translation>日志文件：</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码:</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>写入后校验</translation>
    </message>
    <message>
        <source>Choose the IDs and the log file, then press Start.</source>
        <translation>选择 ID 和日志文件，然后按“开始”。</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Previous ID</source>
        <translation>原 ID</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>用时（秒）</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详情</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>停止(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>ID List File</source>
        <translation>ID 列表文件</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Log File</source>
        <translation>日志文件</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Stop &amp;Now</source>
        <translation>立即停止(&amp;N)</translation>
    </message>
    <message>
        <source>The session stops.</source>
        <translation>批量写频停止。</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>日志：%1</translation>
    </message>
</context>
<context>
    <name>FormKeySetting</name>
    <message>
        <source>Key Setting</source>
        <translation>键设定</translation>
    </message>
    <message>
        <source>Key Setting %1</source>
        <extracomment>A change of one key&apos;s function, as Undo and Redo name it.</extracomment>
        <translation>键设定 %1</translation>
    </message>
</context>
<context>
    <name>FormLanguage</name>
    <message>
        <source>Set Language</source>
        <translation>语言设置</translation>
    </message>
    <message>
        <source>Language Select</source>
        <translation>语言选择</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英文</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>FormModelInformation</name>
    <message>
        <source>Model Information</source>
        <translation>机型信息</translation>
    </message>
    <message>
        <source>Model Type</source>
        <translation>机型类型</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Frequency data will be cleared</source>
        <translation>频率数据将被清除</translation>
    </message>
</context>
<context>
    <name>FormOption</name>
    <message>
        <source>Corrected on opening Function Setup</source>
        <translation>打开功能设定时更正</translation>
    </message>
</context>
<context>
    <name>FormPassword</name>
    <message>
        <source>Program Password</source>
        <translation>编程密码</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Chann&amp;ge</source>
        <translation>修改(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>FormPasswordChange</name>
    <message>
        <source>Change Password</source>
        <translation>编程密码</translation>
    </message>
    <message>
        <source>OldPassword</source>
        <translation>旧密码</translation>
    </message>
    <message>
        <source>NewPassword</source>
        <translation>新密码</translation>
    </message>
    <message>
        <source>NewPassword verify</source>
        <translation>新密码确认</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Different between two new passowrds</source>
        <translation>新密码不一致</translation>
    </message>
    <message>
        <source>Change password?</source>
        <translation>修改密码？</translation>
    </message>
    <message>
        <source>Change password successful</source>
        <translation>修改密码成功</translation>
    </message>
    <message>
        <source>Wrong old password</source>
        <translation>旧密码错误</translation>
    </message>
</context>
<context>
    <name>FormPrint</name>
    <message>
        <source>Channel Information</source>
        <translation>信道信息</translation>
    </message>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>Key Assignment</source>
        <translation>键设定</translation>
    </message>
    <message>
        <source>Embedded Message</source>
        <translation>嵌入信息</translation>
    </message>
    <message>
        <source>Rx List</source>
        <translation>接收列表</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>P&amp;rint Setup</source>
        <translation>打印设置(&amp;R)</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>全部清除(&amp;L)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全部选定(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>FormPrinterSetting</name>
    <message>
        <source>&amp;Name:</source>
        <translation>名称(&amp;N)</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Where:</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>大小(&amp;Z):</translation>
    </message>
    <message>
        <source>&amp;Source:</source>
        <translation>来源(&amp;S)</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>正在打印</translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation>已中止</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>打印设置</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>打印机</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>纸张</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Po&amp;rtrait</source>
        <translation>纵向(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>横向(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Automatically Select</source>
        <translation>自动选择</translation>
    </message>
    <message>
        <source>No printer is installed on this computer. The plan can be printed to a PDF file.</source>
        <translation>本机没有安装打印机。信道计划可以打印到 PDF 文件。</translation>
    </message>
    <message>
        <source>Print to PDF file…</source>
        <translation>打印到 PDF 文件…</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF 文档</translation>
    </message>
    <message>
        <source>A file you name after OK</source>
        <translation>确定后选择的文件</translation>
    </message>
</context>
<context>
    <name>FormProcess</name>
    <message>
        <source>Read Data From Radio</source>
        <translation>从对讲机读取数据</translation>
    </message>
    <message>
        <source>Write Data To Radio</source>
        <translation>向对讲机写入数据</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码:</translation>
    </message>
    <message>
        <source>New Password:</source>
        <translation>新密码:</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Complete:0%</source>
        <translation>完成进度:0%</translation>
    </message>
    <message>
        <source>Show trace</source>
        <translation>显示通信记录</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Nothing was written</source>
        <translation>没有写入任何数据</translation>
    </message>
    <message>
        <source>Please reselect COM port!</source>
        <translation>请重新选择端口！</translation>
    </message>
    <message>
        <source>The serial port was lost: %1</source>
        <translation>串口已断开：%1</translation>
    </message>
    <message>
        <source>The radio is incomplete</source>
        <translation>对讲机数据不完整</translation>
    </message>
    <message>
        <source>Differences found</source>
        <translation>发现差异</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>…… 另有 %1 处</translation>
    </message>
    <message>
        <source>Not verified</source>
        <translation>未校验</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>the radio did not answer.</source>
        <translation>对讲机没有应答。</translation>
    </message>
    <message>
        <source>Write the backup back into the radio now?</source>
        <translation>现在将备份写回对讲机吗？</translation>
    </message>
    <message>
        <source>&amp;Write Backup Back</source>
        <translation>写回备份(&amp;W)</translation>
    </message>
    <message>
        <source>Read Data OK</source>
        <translation>读频成功</translation>
    </message>
    <message>
        <source>Backup written back</source>
        <translation>备份已写回</translation>
    </message>
    <message>
        <source>Write Data OK</source>
        <translation>写频成功</translation>
    </message>
    <message>
        <source>Password Failure!</source>
        <translation>密码错误!</translation>
    </message>
    <message>
        <source>Back up the radio and show changes first</source>
        <translation>先备份对讲机并显示更改</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>写入后校验</translation>
    </message>
    <message>
        <source>The setting applies now but could not be saved for the next start.</source>
        <translation>设置已生效，但无法保存到下次启动。</translation>
    </message>
    <message>
        <source>Backing up the radio...</source>
        <translation>正在备份对讲机...</translation>
    </message>
</context>
<context>
    <name>FormRxList</name>
    <message>
        <source>Rx List</source>
        <translation>接收列表</translation>
    </message>
    <message>
        <source>NO.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Must input value larger than &amp;h80000</source>
        <translation>必须输入0x80000以上</translation>
    </message>
    <message>
        <source>Corrected on opening Rx List</source>
        <translation>打开接收列表时更正</translation>
    </message>
    <message>
        <source>Entry %1 of Rx List %2</source>
        <extracomment>An entry of a receive list, as Undo and Redo name it: the entry&apos;s number, then the list&apos;s.</extracomment>
        <translation>接收列表%2 第%1项</translation>
    </message>
</context>
<context>
    <name>FormScanInformation</name>
    <message>
        <source>Scan Information</source>
        <translation>扫描信息</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>优先</translation>
    </message>
    <message>
        <source>Look Back Time A[s]</source>
        <translation>回扫时间A[秒]</translation>
    </message>
    <message>
        <source>Look Back Time B[s]</source>
        <translation>回扫时间B[秒]</translation>
    </message>
    <message>
        <source>Revert Channel</source>
        <translation>返回信道</translation>
    </message>
    <message>
        <source>Dropout Delay Time[s]</source>
        <translation>扫描接收恢复延迟时间[秒]</translation>
    </message>
    <message>
        <source>TX Dwell Time[s]</source>
        <translation>扫描发射恢复延迟时间[秒]</translation>
    </message>
    <message>
        <source>Priority Channel %1</source>
        <translation>优先信道%1</translation>
    </message>
    <message>
        <source>Corrected on opening Scan Information</source>
        <translation>打开扫描信息时更正</translation>
    </message>
</context>
<context>
    <name>FormTune</name>
    <message>
        <source>Tune Data</source>
        <translation>调谐数据</translation>
    </message>
    <message>
        <source>These are the radio&apos;s factory alignment values. A wrong value detunes the radio.</source>
        <translation>这些是对讲机的出厂校准值，错误的数值会使对讲机失调。</translation>
    </message>
    <message>
        <source>Read TuneData</source>
        <translation>读调谐数据</translation>
    </message>
    <message>
        <source>Write TuneData</source>
        <translation>写调谐数据</translation>
    </message>
    <message>
        <source>NO.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Tune Freq</source>
        <translation>调谐频率</translation>
    </message>
    <message>
        <source>Bias Voltage</source>
        <translation>偏置电压</translation>
    </message>
    <message>
        <source>OSC Adjust</source>
        <translation>晶振补偿</translation>
    </message>
    <message>
        <source>Digital Tx Dev</source>
        <translation>数字发射频偏</translation>
    </message>
    <message>
        <source>SQ</source>
        <translation>SQ阈值</translation>
    </message>
    <message>
        <source>Ctcss Deviation                     (0~15)</source>
        <translation>模拟亚音频偏                     (0~15)</translation>
    </message>
    <message>
        <source>Cdcss Deviation                    (0~15)</source>
        <translation>数字亚音频偏                     (0~15)</translation>
    </message>
    <message>
        <source>Mic Amp                    (0~15)</source>
        <translation>麦克增益                     (0~15)</translation>
    </message>
    <message>
        <source>Speaker Amp                    (0~15)</source>
        <translation>喇叭增益                     (0~15)</translation>
    </message>
    <message>
        <source>Ex-noise(N)                   (0~8191)</source>
        <translation>噪声阈值(N)                   (0~8191)</translation>
    </message>
    <message>
        <source>Ex-noise(W)                   (0~8191)</source>
        <translation>噪声阈值(W)                   (0~8191)</translation>
    </message>
    <message>
        <source>%1 of tune point %2</source>
        <extracomment>An edit of one value of the tune table, as Undo and Redo name it: the column, then the tune point&apos;s number.</extracomment>
        <translation>调谐点%2 %1</translation>
    </message>
    <message>
        <source>Read tune data from radio.Do you wish continue?</source>
        <translation>从对讲机读取调谐数据？</translation>
    </message>
    <message>
        <source>Read data successful</source>
        <translation>读取数据成功</translation>
    </message>
    <message>
        <source>Write tune data into radio.Do you wish continue?</source>
        <translation>向对讲机写入调谐数据？</translation>
    </message>
    <message>
        <source>Write data successful</source>
        <translation>写入数据成功</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>ZR40 Help</source>
        <translation>ZR40 帮助</translation>
    </message>
</context>
<context>
    <name>ImagePageParts</name>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>These settings are kept while the program runs; they are not saved in the data file or written to the radio.</source>
        <translation>这些设置只在程序运行期间保留，不会保存到数据文件，也不会写入对讲机。</translation>
    </message>
</context>
<context>
    <name>InteractiveSeam</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Save</source>
        <translation>不保存(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>重试(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
</context>
<context>
    <name>KeySettingRules</name>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>监听</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>扰频器</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>报警</translation>
    </message>
</context>
<context>
    <name>MDIFormMain</name>
    <message>
        <source>Import %1</source>
        <translation>导入 %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>最近的文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>另存为(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Backups…</source>
        <translation>备份(&amp;B)…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>导入(&amp;I)…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>导出(&amp;X)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>打印(&amp;P)…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>打印预览(&amp;V)…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>机型(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Model Information</source>
        <translation>机型信息(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Channel Information</source>
        <translation>信道信息(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Function Setup</source>
        <translation>功能设定(&amp;F)</translation>
    </message>
    <message>
        <source>Rx &amp;List</source>
        <translation>接收列表(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Key Setting</source>
        <translation>键设置(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Scan Information</source>
        <translation>扫描信息(&amp;S)</translation>
    </message>
    <message>
        <source>Embedded &amp;Message</source>
        <translation>嵌入信息(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Local Message</source>
        <translation>本机信息(&amp;L)</translation>
    </message>
    <message>
        <source>Stun/&amp;Die Information</source>
        <translation>遥晕遥毙选项(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Batch ChannelEdit</source>
        <translation>批信道编辑(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>编程(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Read From Radio</source>
        <translation>从对讲机读出数据(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Write To Radio</source>
        <translation>向对讲机写入数据(&amp;W)</translation>
    </message>
    <message>
        <source>Program &amp;Several Radios…</source>
        <translation>批量写频(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;PassWord</source>
        <translation>密码(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Tune Data</source>
        <translation>调谐数据(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Tool</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Radio Information</source>
        <translation>对讲机信息(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>Set &amp;Com</source>
        <translation>串口设置(&amp;C)</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>语言设置(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>Tree &amp;View</source>
        <translation>树视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Statusbar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>层叠(&amp;C)</translation>
    </message>
    <message>
        <source>Close All &amp;Windows</source>
        <translation>关闭所有窗口(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>帮助主题(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于ZR40(&amp;A)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读频</translation>
    </message>
    <message>
        <source>Set Com</source>
        <translation>串口设置</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写频</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>ZR40[FileName:%1]</source>
        <translation>ZR40[文件名:%1]</translation>
    </message>
    <message>
        <source>COM%1</source>
        <extracomment>The serial port COMn by its number.</extracomment>
        <translation>通信端口%1</translation>
    </message>
    <message>
        <source>COM %1</source>
        <extracomment>The serial port by its device name.</extracomment>
        <translation>通信端口 %1</translation>
    </message>
    <message>
        <source>%1 (no band chosen)</source>
        <translation>%1（未选择频段）</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <extracomment>The Edit menu&apos;s item with the name of the step it takes back.</extracomment>
        <translation>重做 %1(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销 %1(&amp;U)</translation>
    </message>
    <message>
        <source>Channel Information</source>
        <translation>信道信息(C)</translation>
    </message>
    <message>
        <source>Function Setup</source>
        <translation>功能设定(F)</translation>
    </message>
    <message>
        <source>Rx List</source>
        <translation>接收列表(L)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Radio data file(*.rdat)</source>
        <translation>对讲机数据文件(*.rdat)</translation>
    </message>
    <message>
        <source>All file(*.*)</source>
        <translation>所有文件(*.*)</translation>
    </message>
    <message>
        <source>Do you want to cover current data?</source>
        <translation>覆盖当前数据？</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Error file！</source>
        <translation>错误的文件！</translation>
    </message>
    <message>
        <source>The file was not saved.</source>
        <translation>文件没有保存。</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>是否保存对 %1 的修改？</translation>
    </message>
    <message>
        <source>The setting applies now but could not be saved for the next start.</source>
        <translation>设置已生效，但无法保存到下次启动。</translation>
    </message>
    <message>
        <source>Key Setting</source>
        <translation>键设置(K)</translation>
    </message>
    <message>
        <source>Scan Information</source>
        <translation>扫描信息(S)</translation>
    </message>
    <message>
        <source>Embedded Message</source>
        <translation>嵌入信息(M)</translation>
    </message>
    <message>
        <source>Tune Data</source>
        <translation>调谐数据(T)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Channel lists(*.json *.csv)</source>
        <translation>信道表(*.json *.csv)</translation>
    </message>
    <message>
        <source>Every value as json(*.json)</source>
        <translation>全部数值 json(*.json)</translation>
    </message>
    <message>
        <source>Channel plan csv(*.csv)</source>
        <translation>信道表 csv(*.csv)</translation>
    </message>
    <message>
        <source>Common radio csv(*.csv)</source>
        <translation>通用对讲机 csv(*.csv)</translation>
    </message>
    <message>
        <source>%1: every value it holds is in the plan now.</source>
        <translation>%1：其中的数值已全部导入。</translation>
    </message>
    <message>
        <source>%1: %2 rows went into channels %3.</source>
        <translation>%1：%2 行已导入信道 %3。</translation>
    </message>
    <message>
        <source>%1 was not imported; the plan is as it was.</source>
        <translation>%1 没有导入，数据未改变。</translation>
    </message>
    <message>
        <source>%1: %2 channels written.</source>
        <translation>%1：已写入 %2 个信道。</translation>
    </message>
    <message>
        <source>The file was not written.</source>
        <translation>文件没有写入。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>无法读取文件。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>%1 was changed on the disk after it was opened or last saved here (by another program or window). Overwrite it with this plan, save this plan under another name, or cancel?</source>
        <translation>%1 在此处打开或上次保存之后已在磁盘上被更改（由其他程序或窗口）。用当前数据覆盖它、另存为其他文件，还是取消？</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>覆盖(&amp;O)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>%1: its rows go into the channels from this one on, in file order.
First channel:</source>
        <translation>%1：各行按文件顺序导入从此信道起的各信道。
起始信道：</translation>
    </message>
    <message>
        <source>%1 writes over channels in use: %2. Import it anyway?</source>
        <translation>%1 将覆盖正在使用的信道：%2。仍然导入吗？</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>导入(&amp;I)</translation>
    </message>
    <message>
        <source>%1 is no longer there; it is taken off the list of recent files.</source>
        <translation>%1 已不存在，已从最近的文件列表中删除。</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>Batch Channel Edit</source>
        <translation>批信道编辑</translation>
    </message>
    <message>
        <source>Print to PDF file</source>
        <translation>打印到 PDF 文件</translation>
    </message>
    <message>
        <source>PDF document(*.pdf)</source>
        <translation>PDF 文档(*.pdf)</translation>
    </message>
    <message>
        <source>The plan could not be printed.</source>
        <translation>信道计划无法打印。</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>Read From Radio</source>
        <translation>从对讲机读出数据</translation>
    </message>
    <message>
        <source>What was read could not be backed up.</source>
        <translation>无法备份读取的数据。</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>修改密码</translation>
    </message>
</context>
<context>
    <name>OptionTexts</name>
    <message>
        <source>Function Setup</source>
        <translation>功能设定</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Local ID                         (0~7FFFFF)</source>
        <translation>本机ID                        (0~7FFFFF)</translation>
    </message>
    <message>
        <source>Voice Prompt</source>
        <translation>提示音</translation>
    </message>
    <message>
        <source>Time Out Timer(TOT)[s]</source>
        <translation>超时定时器(TOT)[秒]</translation>
    </message>
    <message>
        <source>VOX Level</source>
        <translation>声控等级</translation>
    </message>
    <message>
        <source>VOX Delay Time[s]</source>
        <translation>声控延时</translation>
    </message>
    <message>
        <source>Save Mode</source>
        <translation>省电模式</translation>
    </message>
    <message>
        <source>Key Defines</source>
        <translation>按键定义</translation>
    </message>
    <message>
        <source>PF1 Short</source>
        <translation>侧键1短按</translation>
    </message>
    <message>
        <source>PF1 Long</source>
        <translation>侧键1长按</translation>
    </message>
    <message>
        <source>PF2 Short</source>
        <translation>侧键2短按</translation>
    </message>
    <message>
        <source>PF2 Long</source>
        <translation>侧键2长按</translation>
    </message>
    <message>
        <source>Key Method</source>
        <translation>按键方式</translation>
    </message>
    <message>
        <source>TOT Warning Time[s]</source>
        <translation>超时定时器预警[秒]</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <source>Call Response</source>
        <translation>呼叫响应</translation>
    </message>
    <message>
        <source>Mic Noise Reduction</source>
        <translation>麦克风降噪</translation>
    </message>
    <message>
        <source>Sleep Option</source>
        <translation>省电选项</translation>
    </message>
    <message>
        <source>Sleep Time</source>
        <translation>睡眠比例</translation>
    </message>
    <message>
        <source>Powerdown Point(0-999S)</source>
        <translation>睡眠时间点(0-999秒)</translation>
    </message>
    <message>
        <source>Sleep Level</source>
        <translation>睡眠等级</translation>
    </message>
    <message>
        <source>Battery Option</source>
        <translation>电压相关选项</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>等级</translation>
    </message>
    <message>
        <source>Warning Interval(0~999S)</source>
        <translation>电压报警间隔时间(0~999秒)</translation>
    </message>
    <message>
        <source>Battery Lower(0~10000)</source>
        <translation>电压报警下限(0~10000)</translation>
    </message>
    <message>
        <source>Battery Upper(0~10000)</source>
        <translation>电压报警上限(0~10000)</translation>
    </message>
    <message>
        <source>VOX Setting</source>
        <translation>声控设置</translation>
    </message>
    <message>
        <source>VOX Function</source>
        <translation>声控功能</translation>
    </message>
    <message>
        <source>Cancel Operation</source>
        <translation>声控可取消</translation>
    </message>
    <message>
        <source>VOX Proceed Tone</source>
        <translation>声控可进行音调</translation>
    </message>
    <message>
        <source>Battry Save</source>
        <translation>省电</translation>
    </message>
    <message>
        <source>Alert Locked</source>
        <translation>报警锁定</translation>
    </message>
    <message>
        <source>Frequency Band Extension</source>
        <translation>频段扩展</translation>
    </message>
    <message>
        <source>Reset Allowed</source>
        <translation>复位允许</translation>
    </message>
    <message>
        <source>Eliminate Squelch Tail When No CTCSS/DCS Signaling</source>
        <translation>无信令消除尾音</translation>
    </message>
    <message>
        <source>Scramble Enable</source>
        <translation>扰频激活</translation>
    </message>
    <message>
        <source>Beep Enable</source>
        <translation>哔音使能</translation>
    </message>
    <message>
        <source>Infrared Setting</source>
        <translation>红外设置</translation>
    </message>
    <message>
        <source>Inf Master</source>
        <translation>红外主机</translation>
    </message>
    <message>
        <source>Infrared</source>
        <translation>红外</translation>
    </message>
    <message>
        <source>Inf Bank:</source>
        <translation>红外监控组号:</translation>
    </message>
    <message>
        <source>Inf NO:</source>
        <translation>红外监控机号:</translation>
    </message>
    <message>
        <source>Roger</source>
        <translation>发射结束提示音</translation>
    </message>
    <message>
        <source>Alert Method:</source>
        <translation>报警方式:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英文</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>常规省电</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>超级省电</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>传统</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>轮询</translation>
    </message>
    <message>
        <source>Vibration</source>
        <translation>振动</translation>
    </message>
    <message>
        <source>Chord1</source>
        <translation>和弦1</translation>
    </message>
    <message>
        <source>Chord2</source>
        <translation>和弦2</translation>
    </message>
    <message>
        <source>Vibration+Chord1</source>
        <translation>振动+和弦1</translation>
    </message>
    <message>
        <source>Vibration+Chord2</source>
        <translation>振动+和弦2</translation>
    </message>
    <message>
        <source>Through</source>
        <translation>直通</translation>
    </message>
    <message>
        <source>Low Noise Reduction</source>
        <translation>降噪低</translation>
    </message>
    <message>
        <source>High Noise Reduction</source>
        <translation>降噪高</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>本地</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>远程</translation>
    </message>
    <message>
        <source>Local+Remote</source>
        <translation>本地+远程</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>监听</translation>
    </message>
    <message>
        <source>Monitor Instant</source>
        <translation>瞬时监听</translation>
    </message>
    <message>
        <source>Tx Power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>手电筒</translation>
    </message>
    <message>
        <source>Channel Add</source>
        <translation>信道加</translation>
    </message>
    <message>
        <source>Channel Sub</source>
        <translation>信道减</translation>
    </message>
    <message>
        <source>Denoise Switch</source>
        <translation>降噪开关</translation>
    </message>
    <message>
        <source>Battery Full</source>
        <translation>电池充满</translation>
    </message>
    <message>
        <source>Low Warning</source>
        <translation>低压报警</translation>
    </message>
    <message>
        <source>Tx Forbit</source>
        <translation>禁止发射</translation>
    </message>
    <message>
        <source>Deep Sleep</source>
        <translation>深度睡眠</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>Undefine</source>
        <translation>未定义</translation>
    </message>
</context>
<context>
    <name>PlanContent</name>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>Channel Type</source>
        <translation>信道配置</translation>
    </message>
    <message>
        <source>CTCSS/DCS Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <source>CTCSS/DCS Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Tx Power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>Channel Spacing</source>
        <translation>信道间隔</translation>
    </message>
    <message>
        <source>Sq Level</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <source>Tx Setting</source>
        <translation>发射权限</translation>
    </message>
    <message>
        <source>Digital channels</source>
        <translation>数字信道</translation>
    </message>
    <message>
        <source>Rx Color</source>
        <translation>接收色码</translation>
    </message>
    <message>
        <source>Tx Color</source>
        <translation>发射色码</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>呼叫方式</translation>
    </message>
    <message>
        <source>Tx ID</source>
        <translation>发射ID</translation>
    </message>
    <message>
        <source>Rx List</source>
        <translation>接收列表</translation>
    </message>
    <message>
        <source>Rx Encrypt</source>
        <translation>接收加密</translation>
    </message>
    <message>
        <source>Rx Key</source>
        <translation>接收密钥</translation>
    </message>
    <message>
        <source>Tx Encrypt</source>
        <translation>发射加密</translation>
    </message>
    <message>
        <source>Tx Key</source>
        <translation>发射密钥</translation>
    </message>
    <message>
        <source>No channel is in use.</source>
        <translation>没有使用中的信道。</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设定项</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>设定值</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>Key Setting</source>
        <translation>键设置</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Channel Information</source>
        <translation>信道信息</translation>
    </message>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>Key Assignment</source>
        <translation>键设定</translation>
    </message>
    <message>
        <source>Embedded Message</source>
        <translation>嵌入信息</translation>
    </message>
    <message>
        <source>set</source>
        <translation>已设置</translation>
    </message>
</context>
<context>
    <name>PlanDocument</name>
    <message>
        <source> (Tx up to %1 MHz)</source>
        <translation>（发射至 %1 MHz）</translation>
    </message>
    <message>
        <source>ZR40 Programming Software</source>
        <translation>ZR40 写频软件</translation>
    </message>
    <message>
        <source>Band </source>
        <translation>频段 </translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source> (continued)</source>
        <translation>（续）</translation>
    </message>
    <message>
        <source>ZR40 channel plan</source>
        <translation>ZR40 信道计划</translation>
    </message>
</context>
<context>
    <name>PlanExchange</name>
    <message>
        <source>The file is neither json nor a channel list in csv.</source>
        <translation>文件既不是 json，也不是 csv 信道表。</translation>
    </message>
</context>
<context>
    <name>PlanListDialog</name>
    <message>
        <source>Double-click a line to open its channel or page.</source>
        <translation>双击一行可打开对应的信道或页面。</translation>
    </message>
</context>
<context>
    <name>PlanLocation</name>
    <message>
        <source>Header</source>
        <translation>文件头</translation>
    </message>
    <message>
        <source>Tune Data</source>
        <translation>调谐数据</translation>
    </message>
    <message>
        <source>Tune point %1</source>
        <translation>调谐点%1</translation>
    </message>
    <message>
        <source>Function Setup</source>
        <translation>功能设定</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>信道%1</translation>
    </message>
    <message>
        <source>Rx List %1</source>
        <translation>接收列表%1</translation>
    </message>
    <message>
        <source>Model Information</source>
        <translation>机型信息</translation>
    </message>
</context>
<context>
    <name>PlanProblem</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>PortOpenError</name>
    <message>
        <source>No serial port is chosen.</source>
        <translation>未选择串口。</translation>
    </message>
    <message>
        <source>There is no port %1.</source>
        <translation>端口 %1 不存在。</translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 正被其他程序使用。</translation>
    </message>
    <message>
        <source>No permission to open %1. Add your user to the dialout group: sudo usermod -aG dialout $USER, then log in again.</source>
        <translation>没有打开 %1 的权限。请把当前用户加入 dialout 组：sudo usermod -aG dialout $USER，然后重新登录。</translation>
    </message>
    <message>
        <source>No permission to open %1.</source>
        <translation>没有打开 %1 的权限。</translation>
    </message>
    <message>
        <source>%1 is not a serial port.</source>
        <translation>%1 不是串口。</translation>
    </message>
</context>
<context>
    <name>RadioCommands</name>
    <message>
        <source>Backup: </source>
        <translation>备份：</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>没有写入任何数据。</translation>
    </message>
    <message>
        <source>The radio already holds this plan; nothing was written.</source>
        <translation>对讲机中已是这些数据，没有写入。</translation>
    </message>
    <message>
        <source>To write it back into the radio, run:</source>
        <translation>要将其写回对讲机，请运行：</translation>
    </message>
    <message>
        <source>the radio did not answer</source>
        <translation>对讲机没有应答</translation>
    </message>
</context>
<context>
    <name>RadioSession</name>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>cancelled: the radio did not answer</source>
        <translation>已取消：对讲机没有应答</translation>
    </message>
    <message>
        <source>the serial port was lost: %1</source>
        <translation>串口已断开：%1</translation>
    </message>
</context>
<context>
    <name>ReviewCommands</name>
    <message>
        <source>unreadable</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1个信道</translation>
    </message>
    <message>
        <source>Backups in %1</source>
        <translation>备份文件夹：%1</translation>
    </message>
    <message>
        <source>No backups yet.</source>
        <translation>还没有备份。</translation>
    </message>
</context>
<context>
    <name>ReviewText</name>
    <message>
        <source>No problems found.</source>
        <translation>没有发现问题。</translation>
    </message>
    <message>
        <source>%1 error</source>
        <translation>%1个错误</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1个错误</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation>%1个警告</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1个警告</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The count of errors, then the count of warnings.</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>没有不同。</translation>
    </message>
    <message>
        <source>%1 difference(s)</source>
        <translation>%1处不同</translation>
    </message>
</context>
<context>
    <name>SafeWrite</name>
    <message>
        <source>The radio could not be backed up, so nothing was written.</source>
        <translation>无法备份对讲机的数据，因此没有写入。</translation>
    </message>
</context>
<context>
    <name>ScanInformationRules</name>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Fixd</source>
        <translation>固定</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>选定</translation>
    </message>
    <message>
        <source>Selected+Talk Back</source>
        <translation>选定+当前通话</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>优先</translation>
    </message>
    <message>
        <source>Priority+Talk Back</source>
        <translation>优先+当前通话</translation>
    </message>
</context>
<context>
    <name>SentValues</name>
    <message>
        <source>Function setup</source>
        <translation>功能设置</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>信道 %1</translation>
    </message>
    <message>
        <source>Rx list %1</source>
        <translation>接收组 %1</translation>
    </message>
    <message>
        <source>Tune data</source>
        <translation>调试数据</translation>
    </message>
    <message>
        <source>%1, value %2: sent %3, read %4</source>
        <translation>%1，第 %2 个值：写入 %3，读回 %4</translation>
    </message>
</context>
<context>
    <name>SerialPortName</name>
    <message>
        <source>Port: </source>
        <translation>端口：</translation>
    </message>
</context>
<context>
    <name>TransferEngine</name>
    <message>
        <source>Check connection!Retry or cancel?</source>
        <translation>检测连接！重试或取消？</translation>
    </message>
    <message>
        <source>Password Failure!</source>
        <translation>密码错误!</translation>
    </message>
    <message>
        <source>Read Data OK</source>
        <translation>读频成功</translation>
    </message>
    <message>
        <source>Write Data OK</source>
        <translation>写频成功</translation>
    </message>
    <message>
        <source>Complete:</source>
        <translation>完成进度:</translation>
    </message>
</context>
<context>
    <name>ValueLists</name>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>None</source>
        <comment>busy lock</comment>
        <translation>关</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>载波</translation>
    </message>
    <message>
        <source>(Narrow)</source>
        <translation>(窄带)</translation>
    </message>
    <message>
        <source>25K(Wide)</source>
        <translation>25K(宽带)</translation>
    </message>
    <message>
        <source>Single Call</source>
        <translation>单呼</translation>
    </message>
    <message>
        <source>Group Call</source>
        <translation>组呼</translation>
    </message>
    <message>
        <source>All Call</source>
        <translation>全呼</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Analog CH</source>
        <translation>模拟频道</translation>
    </message>
    <message>
        <source>Digital CH</source>
        <translation>数字频道</translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation>禁发</translation>
    </message>
    <message>
        <source>Busy Lock</source>
        <translation>繁忙禁发</translation>
    </message>
    <message>
        <source>No Limited</source>
        <translation>无限制</translation>
    </message>
</context>
<context>
    <name>VerifiedWrite</name>
    <message>
        <source>Password: not the one written</source>
        <translation>密码：与写入的不同</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>已校验</translation>
    </message>
    <message>
        <source>The radio reads back otherwise than it was written:</source>
        <translation>读回的数据与写入的不同：</translation>
    </message>
    <message>
        <source>The write completed but the radio could not be read back:</source>
        <translation>写入已完成，但无法读回：</translation>
    </message>
</context>
<context>
    <name>VirtualRadioProcess</name>
    <message>
        <source>Virtual radio (demo)</source>
        <translation>虚拟对讲机（演示）</translation>
    </message>
</context>
<context>
    <name>WriteChangesDialog</name>
    <message>
        <source>Where</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>In the radio</source>
        <translation>对讲机中</translation>
    </message>
    <message>
        <source>After writing</source>
        <translation>写入后</translation>
    </message>
    <message>
        <source>What Will Change</source>
        <translation>将要更改的内容</translation>
    </message>
    <message>
        <source>The radio&apos;s configuration as it is now is kept in the backup %1.</source>
        <translation>对讲机当前的数据已备份为 %1。</translation>
    </message>
    <message>
        <source>The radio already holds this plan; writing would change nothing.</source>
        <translation>对讲机中已是这些数据，写入不会更改任何内容。</translation>
    </message>
    <message>
        <source>Writing changes %1 value(s) in the radio.</source>
        <translation>写入将更改对讲机中的%1项数据。</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>写入(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>WriteRecovery</name>
    <message>
        <source>The write did not complete: the radio&apos;s configuration is now incomplete.</source>
        <translation>写入未完成：对讲机中的配置现已不完整。</translation>
    </message>
    <message>
        <source>The radio as it was before this write is kept in the backup %1.</source>
        <translation>写入前对讲机中的配置保存在备份文件%1中。</translation>
    </message>
    <message>
        <source>No backup of the radio was taken before this write.</source>
        <translation>写入前没有备份对讲机。</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>没有向对讲机写入任何数据。</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>%1program software is used for ZR40</source>
        <extracomment>The program&apos;s title, then what the program is for.</extracomment>
        <translation>%1编程软件用于 ZR40机型</translation>
    </message>
    <message>
        <source>Keep a saved copy of the radio&apos;s configuration before you write to it. Transmit only on frequencies you are licensed to use.</source>
        <translation>写频前请先保存对讲机原有的配置。请只在获得许可的频率上发射。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>版本 %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>zr40::LinkPort</name>
    <message>
        <source>The serial port is closed.</source>
        <translation>串口已关闭。</translation>
    </message>
</context>
</TS>
