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
    <name>FormEmbedMessage</name>
    <message>
        <source>Embedded Message</source>
        <translation>嵌入信息</translation>
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
    <name>FormOption</name>
    <message>
        <source>Corrected on opening Function Setup</source>
        <translation>打开功能设定时更正</translation>
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
    <name>zr40::LinkPort</name>
    <message>
        <source>The serial port is closed.</source>
        <translation>串口已关闭。</translation>
    </message>
</context>
</TS>
