<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>DesignAdviser</name>
    <message>
        <source>电感优化设计</source>
        <translation>Inductor design adviser</translation>
    </message>
    <message>
        <source>电感要求</source>
        <translation>Requirement</translation>
    </message>
    <message>
        <source>电感量(μH)</source>
        <translation>Inductance (μH)</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>初始感量</source>
        <translation>Initial inductance</translation>
    </message>
    <message>
        <source>平均电流下的感量</source>
        <translation>Inductance at average current</translation>
    </message>
    <message>
        <source>电感量公差(%)</source>
        <translation>AL tolerance (%)</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>平均电流(A)</source>
        <translation>Average current (A)</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>峰值电流(A)</source>
        <translation>Peak current (A)</translation>
    </message>
    <message>
        <source>11.5</source>
        <translation>11.5</translation>
    </message>
    <message>
        <source>纹波电流(A)</source>
        <translation>Ripple current (A)</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>频率(kHz)</source>
        <translation>Frequency (kHz)</translation>
    </message>
    <message>
        <source>环境温度(°C)</source>
        <translation>Ambient (°C)</translation>
    </message>
    <message>
        <source>25</source>
        <translation>25</translation>
    </message>
    <message>
        <source>约束条件</source>
        <translation>Constraints</translation>
    </message>
    <message>
        <source>最高温升(°C)</source>
        <translation>Max. temperature rise (°C)</translation>
    </message>
    <message>
        <source>40</source>
        <translation>40</translation>
    </message>
    <message>
        <source>最大绕后外径(mm)</source>
        <translation>Max. wound OD (mm)</translation>
    </message>
    <message>
        <source>最大绕后高度(mm)</source>
        <translation>Max. wound height (mm)</translation>
    </message>
    <message>
        <source>最低保持率(%)</source>
        <translation>Min. L kept at peak (%)</translation>
    </message>
    <message>
        <source>最多叠放磁芯数</source>
        <translation>Max. stacked cores</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>最多并绕根数</source>
        <translation>Max. strands</translation>
    </message>
    <message>
        <source>外径、高度、保持率填0为不限。</source>
        <translation>0 for OD, height or L kept means no limit.</translation>
    </message>
    <message>
        <source>磁芯系列</source>
        <translation>Core series</translation>
    </message>
    <message>
        <source>开始优化</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>优化进度</source>
        <translation>Search progress</translation>
    </message>
    <message>
        <source>各系列最佳方案</source>
        <translation>Best design per series</translation>
    </message>
    <message>
        <source>方案分布图</source>
        <translation>Design chart</translation>
    </message>
    <message>
        <source>最优方案表</source>
        <translation>Pareto front table</translation>
    </message>
    <message>
        <source>复制表格</source>
        <translation>Copy Table</translation>
    </message>
    <message>
        <source>在环形计算器中打开</source>
        <translation>Open in Toroid Calculator</translation>
    </message>
    <message>
        <source>所选方案的计算结果</source>
        <translation>Results of the picked design</translation>
    </message>
</context>
<context>
    <name>DesignCurves</name>
    <message>
        <source>设计曲线</source>
        <translation>Design Curves</translation>
    </message>
    <message>
        <source>设计参数</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>电感量与直流电流曲线</source>
        <translation>Inductance vs. DC current</translation>
    </message>
    <message>
        <source>直流偏置磁导率曲线</source>
        <translation>DC bias permeability</translation>
    </message>
    <message>
        <source>磁芯损耗与频率曲线</source>
        <translation>Core loss vs. frequency</translation>
    </message>
    <message>
        <source>温升与平均直流电流曲线</source>
        <translation>Temperature rise vs. average DC current</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Form1</source>
        <translation>Form1</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>shou time</source>
        <translation>shou time</translation>
    </message>
    <message>
        <source>Label1</source>
        <translation>Label1</translation>
    </message>
    <message>
        <source>Label2</source>
        <translation>Label2</translation>
    </message>
    <message>
        <source>Label3</source>
        <translation>Label3</translation>
    </message>
</context>
<context>
    <name>ProposalComparison</name>
    <message>
        <source>方案比较</source>
        <translation>Compare Proposals</translation>
    </message>
    <message>
        <source>频率(kHz)</source>
        <translation>Frequency (kHz)</translation>
    </message>
    <message>
        <source>纹波电流(A)</source>
        <translation>Ripple current (A)</translation>
    </message>
    <message>
        <source>环境温度(°C)</source>
        <translation>Ambient (°C)</translation>
    </message>
    <message>
        <source>25</source>
        <translation>25</translation>
    </message>
    <message>
        <source>方案比较表</source>
        <translation>Proposal comparison table</translation>
    </message>
    <message>
        <source>复制表格</source>
        <translation>Copy Table</translation>
    </message>
    <message>
        <source>把比较表作为制表符分隔的文本复制到剪贴板</source>
        <translation>Copy the comparison table to the clipboard as tab-separated text</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>没有可写入的内容</source>
        <translation>Nothing to write</translation>
    </message>
    <message>
        <source>无法保存文件：%1
%2</source>
        <translation>Cannot save the file: %1
%2</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>把本设计导出为PDF设计单、打印，或导出SPICE模型</source>
        <translation>Export this design as a PDF design sheet, print it, or export a SPICE model</translation>
    </message>
    <message>
        <source>导出PDF…</source>
        <translation>Export PDF…</translation>
    </message>
    <message>
        <source>打印…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>导出SPICE模型…</source>
        <translation>Export SPICE Model…</translation>
    </message>
    <message>
        <source>复制SPICE模型</source>
        <translation>Copy SPICE Model</translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>PDF文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>无法打印：打印机没有接受本设计单。</source>
        <translation>Cannot print: the printer did not accept the design sheet.</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>本设计无法生成SPICE模型。</source>
        <translation>No SPICE model can be made for this design.</translation>
    </message>
    <message>
        <source>导出SPICE模型</source>
        <translation>Export SPICE Model</translation>
    </message>
    <message>
        <source>SPICE模型 (*.lib)</source>
        <translation>SPICE models (*.lib)</translation>
    </message>
    <message>
        <source>找不到帮助文件：%1</source>
        <translation>Help file not found: %1</translation>
    </message>
    <message>
        <source>无法打开帮助文件：%1
系统中没有能显示该文件格式的程序。</source>
        <translation>Cannot open the help file: %1
No program on this system can show files of this format.</translation>
    </message>
    <message>
        <source>绕组放不进磁芯内孔</source>
        <translation>the winding does not fit the core&apos;s window</translation>
    </message>
    <message>
        <source>超出损耗模型范围</source>
        <translation>outside the loss model&apos;s range</translation>
    </message>
    <message>
        <source>无法评估</source>
        <translation>cannot be assessed</translation>
    </message>
    <message>
        <source>绕组温度将超过500 °C，无稳定温度</source>
        <translation>the winding would pass 500 °C: no steady temperature</translation>
    </message>
</context>
<context>
    <name>TopologyFrame</name>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>关于磁芯计算软件</source>
        <translation>About the Core Calculator</translation>
    </message>
    <message>
        <source>打开 QIRO 网站主页</source>
        <translation>Open the QIRO home page</translation>
    </message>
    <message>
        <source>QIRO 网站主页</source>
        <translation>QIRO home page</translation>
    </message>
    <message>
        <source>应用程序标题</source>
        <translation>Application title</translation>
    </message>
    <message>
        <source>V3.0&#x3000;QIRO 功率电感设计工具开发组</source>
        <translation>V3.0 QIRO power inductor design tool team</translation>
    </message>
    <message>
        <source>如果您需要样品，联系我们：</source>
        <translation>If you need samples, contact us:</translation>
    </message>
    <message>
        <source>本软件依照 GNU 通用公共许可证第三版或（按您的选择）任何更新版本发布，不提供任何担保；计算结果仅供设计参考，请以实际样品测试为准。</source>
        <translation>This program is released under the GNU General Public License version 3 or (at your option) any later version, without any warranty; results are for design reference only, test real samples to confirm them.</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;System Info...</translation>
    </message>
</context>
<context>
    <name>frmChoise</name>
    <message>
        <source>环形磁芯选型</source>
        <translation>Toroidal Core Selection</translation>
    </message>
    <message>
        <source>用户输入</source>
        <translation>Your input</translation>
    </message>
    <message>
        <source>磁芯个数</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>峰值电流(A)</source>
        <translation>Peak current (A)</translation>
    </message>
    <message>
        <source>请输入电流大小</source>
        <translation>Enter the current</translation>
    </message>
    <message>
        <source>电感量(μH)</source>
        <translation>Inductance (μH)</translation>
    </message>
    <message>
        <source>请输入在以上电流下要达到的电感量</source>
        <translation>Enter the inductance required at this current</translation>
    </message>
    <message>
        <source>磁芯选型</source>
        <translation>Select Core</translation>
    </message>
    <message>
        <source>申请样品</source>
        <translation>Request Sample</translation>
    </message>
    <message>
        <source>计算结果：</source>
        <translation>Results:</translation>
    </message>
    <message>
        <source>可选磁芯</source>
        <translation>Suitable cores</translation>
    </message>
    <message>
        <source>磁芯外径(mm)</source>
        <translation>Core OD (mm)</translation>
    </message>
    <message>
        <source>磁芯内径(mm)</source>
        <translation>Core ID (mm)</translation>
    </message>
    <message>
        <source>磁芯高度(mm)</source>
        <translation>Core height (mm)</translation>
    </message>
    <message>
        <source>绕线圈数</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>线径(mm)</source>
        <translation>Wire Ø (mm)</translation>
    </message>
    <message>
        <source>计算结果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>QIRO环形磁芯选型说明</source>
        <translation>QIRO toroidal core selection notes</translation>
    </message>
    <message>
        <source>选型原则：</source>
        <translation>Selection principles:</translation>
    </message>
    <message>
        <source>1、成本考虑，相同尺寸下KMC成本 &lt; KMB成本 &lt; KMA成本</source>
        <translation>1. Cost: at the same size, KMC costs &lt; KMB costs &lt; KMA costs</translation>
    </message>
    <message>
        <source>2、绕线困难度，如果小尺寸绕线困难，再选择大尺寸</source>
        <translation>2. Winding: if a small size is hard to wind, choose a larger one</translation>
    </message>
    <message>
        <source>3、当需求感量过大、体积限制，请考虑多颗磁芯叠用</source>
        <translation>3. For a large inductance or limited volume, consider stacking cores</translation>
    </message>
    <message>
        <source>4、当电流大、感量高或其他原因无法选型时，请联系我们</source>
        <translation>4. For a high current, high inductance or no suitable core, contact us</translation>
    </message>
    <message>
        <source>以上选型电流密度为8安培每平方毫米，有效绕线面积按窗口面积的55%来估算的结果</source>
        <translation>Selected for a current density of 8 A/mm² and a usable winding area of 55% of the window</translation>
    </message>
    <message>
        <source>磁芯料号说明</source>
        <translation>Part numbers explained</translation>
    </message>
    <message>
        <source>磁芯料号由三部分组成</source>
        <translation>A part number has three parts</translation>
    </message>
    <message>
        <source>1、前三个字母代表磁芯的系列</source>
        <translation>1. The first three letters give the core series</translation>
    </message>
    <message>
        <source>2、中间三位数字表示磁芯外径尺寸，英寸制</source>
        <translation>2. The three middle digits give the core&apos;s OD, in inches</translation>
    </message>
    <message>
        <source>3、磁芯料号最后三位数字表示磁芯导磁率</source>
        <translation>3. The last three digits give the core&apos;s permeability</translation>
    </message>
    <message>
        <source>KMA系列等同行业高磁通磁芯</source>
        <translation>KMA series: industry High Flux cores</translation>
    </message>
    <message>
        <source>KMC系列等同行业铁硅铝磁芯</source>
        <translation>KMC series: industry Sendust cores</translation>
    </message>
    <message>
        <source>KMB系列等同行业铁硅磁芯</source>
        <translation>KMB series: industry Fe-Si cores</translation>
    </message>
    <message>
        <source>更多磁芯资料请登陆 </source>
        <translation>More core data on </translation>
    </message>
</context>
<context>
    <name>frmCoreChoise</name>
    <message>
        <source>磁芯选型</source>
        <translation>Select Core</translation>
    </message>
    <message>
        <source>请输入选型需要参数</source>
        <translation>Enter the selection parameters</translation>
    </message>
    <message>
        <source>电流(A)</source>
        <translation>Current (A)</translation>
    </message>
    <message>
        <source>峰值电流</source>
        <translation>Peak current</translation>
    </message>
    <message>
        <source>平均电流</source>
        <translation>Average current</translation>
    </message>
    <message>
        <source>电感量(μH)</source>
        <translation>Inductance (μH)</translation>
    </message>
    <message>
        <source>初始感量</source>
        <translation>Initial inductance</translation>
    </message>
    <message>
        <source>当前电流下的感量</source>
        <translation>Inductance at current</translation>
    </message>
    <message>
        <source>磁芯个数</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>电流密度</source>
        <translation>Current density</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>选型(&amp;C)</source>
        <translation>Sele&amp;ct</translation>
    </message>
    <message>
        <source>磁芯高级选型(&amp;G)</source>
        <translation>&amp;Advanced Selection</translation>
    </message>
    <message>
        <source>申请样品(&amp;R)</source>
        <translation>&amp;Request Sample</translation>
    </message>
    <message>
        <source>QIRO网站</source>
        <translation>QIRO website</translation>
    </message>
    <message>
        <source>环形磁芯</source>
        <translation>Toroidal core</translation>
    </message>
    <message>
        <source>选型结果：</source>
        <translation>Selection results:</translation>
    </message>
    <message>
        <source>选型结果</source>
        <translation>Selection results</translation>
    </message>
    <message>
        <source>方案详细</source>
        <translation>Proposal details</translation>
    </message>
    <message>
        <source>点击左边列表可行方案可查看详细</source>
        <translation>Click a proposal in the list on the left to see its details</translation>
    </message>
    <message>
        <source>曲线</source>
        <translation>Curves</translation>
    </message>
    <message>
        <source>在新窗口中显示所选方案的电感和磁导率曲线</source>
        <translation>Show the selected proposal&apos;s inductance and permeability curves in a new window</translation>
    </message>
    <message>
        <source>复制报告</source>
        <translation>Copy Report</translation>
    </message>
    <message>
        <source>把方案详细作为文本复制到剪贴板</source>
        <translation>Copy the proposal details to the clipboard as text</translation>
    </message>
    <message>
        <source>方案比较</source>
        <translation>Compare Proposals</translation>
    </message>
    <message>
        <source>在新窗口中并列比较选型结果中的全部方案</source>
        <translation>Compare all proposals of the selection results side by side in a new window</translation>
    </message>
    <message>
        <source>QIRO环形磁芯选型说明</source>
        <translation>QIRO toroidal core selection notes</translation>
    </message>
    <message>
        <source>磁芯选型没有最好，只有最适合</source>
        <translation>There is no best core, only the most suitable one</translation>
    </message>
    <message>
        <source>1、以上简单选型按满足要求的最小外径选择结果，窗口绕线利用率为40%</source>
        <translation>1. The simple selection picks the smallest OD that meets the requirement, with 40% window fill</translation>
    </message>
    <message>
        <source>2、相同环境磁芯损耗：KMC＜KMA＜KMB＜KMD；DC能力KMD＞＝KMB＞＝KMA＞KMC</source>
        <translation>2. Core loss alike: KMC &lt; KMA &lt; KMB &lt; KMD; DC bias: KMD &gt;= KMB &gt;= KMA &gt; KMC</translation>
    </message>
    <message>
        <source>3、成本考虑，相同尺寸下KMD成本＜KMC成本 ＜ KMB成本 ＜ KMA成本</source>
        <translation>3. Cost: at the same size, KMD &lt; KMC &lt; KMB &lt; KMA</translation>
    </message>
    <message>
        <source>4、当需求感量过大、体积限制，请考虑多颗磁芯叠用（推荐叠加磁芯不超过四个）</source>
        <translation>4. For a large inductance or limited volume, consider stacking cores (at most four)</translation>
    </message>
    <message>
        <source>5、当电流大、感量高或其他原因无法选型时，请联系我们（推荐KMG系列）</source>
        <translation>5. For a high current, high inductance or no suitable core, contact us (try the KMG series)</translation>
    </message>
    <message>
        <source>6、本选型种默认峰值电流=1.414×平均电流</source>
        <translation>6. This selection takes peak current = 1.414 × average current</translation>
    </message>
    <message>
        <source>更多磁芯选型技巧及资料资料请登陆 </source>
        <translation>More selection tips and core data on </translation>
    </message>
    <message>
        <source>磁芯料号说明</source>
        <translation>Part numbers explained</translation>
    </message>
    <message>
        <source>磁芯料号由三部分组成</source>
        <translation>A part number has three parts</translation>
    </message>
    <message>
        <source>1、前三个字母代表磁芯的系列</source>
        <translation>1. The first three letters give the core series</translation>
    </message>
    <message>
        <source>2、中间三位数字表示磁芯外径尺寸，英寸制</source>
        <translation>2. The three middle digits give the core&apos;s OD, in inches</translation>
    </message>
    <message>
        <source>3、磁芯料号最后三位数字表示磁芯导磁率</source>
        <translation>3. The last three digits give the core&apos;s permeability</translation>
    </message>
    <message>
        <source>KMA系列等同行业高磁通</source>
        <translation>KMA series: industry High Flux</translation>
    </message>
    <message>
        <source>KMC系列等同行业铁硅铝</source>
        <translation>KMC series: industry Sendust</translation>
    </message>
    <message>
        <source>KMB系列等同行业铁硅</source>
        <translation>KMB series: industry Fe-Si</translation>
    </message>
    <message>
        <source>KMD系列等同行业高端铁粉芯</source>
        <translation>KMD series: industry premium iron powder</translation>
    </message>
</context>
<context>
    <name>frmCurrentDensity</name>
    <message>
        <source>电流密度选择</source>
        <translation>Current Density Selection</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>frmDKURdanlirao</name>
    <message>
        <source>UR型磁芯单层立绕电抗器辅助设计</source>
        <translation>UR Core Single-Layer Edgewise Reactor Design</translation>
    </message>
    <message>
        <source>磁芯图</source>
        <translation>Core drawing</translation>
    </message>
    <message>
        <source>UR型磁芯尺寸图：主视、俯视、侧视</source>
        <translation>UR core dimensions: front, top and side views</translation>
    </message>
    <message>
        <source>磁芯参数</source>
        <translation>Core parameters</translation>
    </message>
    <message>
        <source>A (mm)</source>
        <translation>A (mm)</translation>
    </message>
    <message>
        <source>B (mm)</source>
        <translation>B (mm)</translation>
    </message>
    <message>
        <source>C (mm)</source>
        <translation>C (mm)</translation>
    </message>
    <message>
        <source>D (mm)</source>
        <translation>D (mm)</translation>
    </message>
    <message>
        <source>E (mm)</source>
        <translation>E (mm)</translation>
    </message>
    <message>
        <source>KMA-60 μ</source>
        <translation>KMA-60 μ</translation>
    </message>
    <message>
        <source>KMC-60 μ</source>
        <translation>KMC-60 μ</translation>
    </message>
    <message>
        <source>R棒材质</source>
        <translation>Rod material</translation>
    </message>
    <message>
        <source>R棒磁导率</source>
        <translation>Rod permeability</translation>
    </message>
    <message>
        <source>上下轭材质</source>
        <translation>Yoke material</translation>
    </message>
    <message>
        <source>上下轭磁导率</source>
        <translation>Yoke permeability</translation>
    </message>
    <message>
        <source>有效DC</source>
        <translation>Effective DC</translation>
    </message>
    <message>
        <source>磁芯型号</source>
        <translation>Core</translation>
    </message>
    <message>
        <source>电路参数</source>
        <translation>Circuit parameters</translation>
    </message>
    <message>
        <source>有效值电流Irms(A)</source>
        <translation>RMS current Irms (A)</translation>
    </message>
    <message>
        <source>电感峰值电流ILpk (A)</source>
        <translation>Peak inductor current ILpk (A)</translation>
    </message>
    <message>
        <source>纹波电流ΔI (A)</source>
        <translation>Ripple current ΔI (A)</translation>
    </message>
    <message>
        <source>频率f (kHz)</source>
        <translation>Frequency f (kHz)</translation>
    </message>
    <message>
        <source>绕线参数</source>
        <translation>Winding parameters</translation>
    </message>
    <message>
        <source>线径厚度(mm)</source>
        <translation>Wire thickness (mm)</translation>
    </message>
    <message>
        <source>线径宽度(mm)</source>
        <translation>Wire width (mm)</translation>
    </message>
    <message>
        <source>绕线根数(Pcs)</source>
        <translation>Strands (Pcs)</translation>
    </message>
    <message>
        <source>扁线规格</source>
        <translation>Flat wire size</translation>
    </message>
    <message>
        <source>绕组材质</source>
        <translation>Conductor</translation>
    </message>
    <message>
        <source>铜</source>
        <translation>Copper</translation>
    </message>
    <message>
        <source>铝</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>绕线圈数</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>显示方案</source>
        <translation>Show Design</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>电抗器结构样式</source>
        <translation>Reactor construction</translation>
    </message>
    <message>
        <source>上下并联式结构图</source>
        <translation>Upper-lower parallel construction</translation>
    </message>
    <message>
        <source>左右串联式结构图</source>
        <translation>Left-right series construction</translation>
    </message>
    <message>
        <source>上下并联式</source>
        <translation>Upper-lower parallel</translation>
    </message>
    <message>
        <source>左右串联式</source>
        <translation>Left-right series</translation>
    </message>
    <message>
        <source>计算信息</source>
        <translation>Results</translation>
    </message>
</context>
<context>
    <name>frmDiangan</name>
    <message>
        <source>环形磁芯电感计算</source>
        <translation>Toroidal Core Inductor Calculation</translation>
    </message>
    <message>
        <source>应用参数</source>
        <translation>Application parameters</translation>
    </message>
    <message>
        <source>平均电流(A)</source>
        <translation>Average current (A)</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>峰值电流(A)</source>
        <translation>Peak current (A)</translation>
    </message>
    <message>
        <source>双击：按平均电流×1.414重算</source>
        <translation>Double-click: average current × 1.414</translation>
    </message>
    <message>
        <source>纹波电流(A)</source>
        <translation>Ripple current (A)</translation>
    </message>
    <message>
        <source>双击：峰值×0.2；空格键：峰值×0.15；回车键：峰值×0.1</source>
        <translation>Double-click: peak × 0.2; Space: peak × 0.15; Enter: peak × 0.1</translation>
    </message>
    <message>
        <source>频率(kHz)</source>
        <translation>Frequency (kHz)</translation>
    </message>
    <message>
        <source>线径(mm)</source>
        <translation>Wire Ø (mm)</translation>
    </message>
    <message>
        <source>3.0</source>
        <translation>3.0</translation>
    </message>
    <message>
        <source>2.9</source>
        <translation>2.9</translation>
    </message>
    <message>
        <source>2.8</source>
        <translation>2.8</translation>
    </message>
    <message>
        <source>2.7</source>
        <translation>2.7</translation>
    </message>
    <message>
        <source>2.6</source>
        <translation>2.6</translation>
    </message>
    <message>
        <source>2.5</source>
        <translation>2.5</translation>
    </message>
    <message>
        <source>2.4</source>
        <translation>2.4</translation>
    </message>
    <message>
        <source>2.3</source>
        <translation>2.3</translation>
    </message>
    <message>
        <source>2.2</source>
        <translation>2.2</translation>
    </message>
    <message>
        <source>2.1</source>
        <translation>2.1</translation>
    </message>
    <message>
        <source>2.0</source>
        <translation>2.0</translation>
    </message>
    <message>
        <source>1.9</source>
        <translation>1.9</translation>
    </message>
    <message>
        <source>1.8</source>
        <translation>1.8</translation>
    </message>
    <message>
        <source>1.7</source>
        <translation>1.7</translation>
    </message>
    <message>
        <source>1.6</source>
        <translation>1.6</translation>
    </message>
    <message>
        <source>1.5</source>
        <translation>1.5</translation>
    </message>
    <message>
        <source>1.4</source>
        <translation>1.4</translation>
    </message>
    <message>
        <source>1.3</source>
        <translation>1.3</translation>
    </message>
    <message>
        <source>1.2</source>
        <translation>1.2</translation>
    </message>
    <message>
        <source>1.1</source>
        <translation>1.1</translation>
    </message>
    <message>
        <source>1.0</source>
        <translation>1.0</translation>
    </message>
    <message>
        <source>0.9</source>
        <translation>0.9</translation>
    </message>
    <message>
        <source>0.8</source>
        <translation>0.8</translation>
    </message>
    <message>
        <source>0.7</source>
        <translation>0.7</translation>
    </message>
    <message>
        <source>0.6</source>
        <translation>0.6</translation>
    </message>
    <message>
        <source>0.5</source>
        <translation>0.5</translation>
    </message>
    <message>
        <source>0.4</source>
        <translation>0.4</translation>
    </message>
    <message>
        <source>0.3</source>
        <translation>0.3</translation>
    </message>
    <message>
        <source>0.2</source>
        <translation>0.2</translation>
    </message>
    <message>
        <source>0.1</source>
        <translation>0.1</translation>
    </message>
    <message>
        <source>＞</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>电流密度选择</source>
        <translation>Current Density Selection</translation>
    </message>
    <message>
        <source>铜线根数</source>
        <translation>Strands</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>电流密度=0</source>
        <translation>Current density=0</translation>
    </message>
    <message>
        <source>绕线圈数</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>用右侧滚动条设定圈数（1～400）</source>
        <translation>Set the turns with the scroll bar on the right (1–400)</translation>
    </message>
    <message>
        <source>磁芯个数</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>注意：绕线困难！</source>
        <translation>Note: hard to wind!</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>磁芯料号选择</source>
        <translation>Core part number</translation>
    </message>
    <message>
        <source>搜索磁芯料号</source>
        <translation>Search part numbers</translation>
    </message>
    <message>
        <source>输入料号的一部分</source>
        <translation>Part of a part number</translation>
    </message>
    <message>
        <source>磁芯料号</source>
        <translation>Part number</translation>
    </message>
    <message>
        <source>计算结果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>磁芯数据</source>
        <translation>Core data</translation>
    </message>
    <message>
        <source>请在列表中选择磁芯料号</source>
        <translation>Select a core part number in the list</translation>
    </message>
    <message>
        <source>曲线</source>
        <translation>Curves</translation>
    </message>
    <message>
        <source>在新窗口中显示本设计的电感、磁导率和损耗曲线</source>
        <translation>Show this design&apos;s inductance, permeability and loss curves in a new window</translation>
    </message>
    <message>
        <source>复制报告</source>
        <translation>Copy Report</translation>
    </message>
    <message>
        <source>把计算结果作为文本复制到剪贴板</source>
        <translation>Copy the results to the clipboard as text</translation>
    </message>
</context>
<context>
    <name>qiro::AssessmentPanel</name>
    <message>
        <source>设计评估</source>
        <translation>Design Assessment</translation>
    </message>
    <message>
        <source>环境温度(°C)</source>
        <translation>Ambient (°C)</translation>
    </message>
    <message>
        <source>尚无设计可评估</source>
        <translation>No design to assess yet</translation>
    </message>
</context>
<context>
    <name>qiro::DesignAdviser</name>
    <message>
        <source>可行方案：绕后体积与总损耗</source>
        <translation>Feasible designs: wound volume vs. total loss</translation>
    </message>
    <message>
        <source>绕后体积(cm³)</source>
        <translation>Wound volume (cm³)</translation>
    </message>
    <message>
        <source>总损耗(W)</source>
        <translation>Total loss (W)</translation>
    </message>
    <message>
        <source>最优前沿</source>
        <translation>Pareto front</translation>
    </message>
    <message>
        <source>所选方案</source>
        <translation>Picked design</translation>
    </message>
    <message>
        <source>填写要求后按“开始优化”：逐一计算目录中每种磁芯、叠放数、线径和并绕根数的设计。</source>
        <translation>Enter the requirement and press “Start”: every core of the catalogue is tried with every stack, wire and strand count.</translation>
    </message>
    <message>
        <source>电感量必须大于0！</source>
        <translation>The inductance must be above 0!</translation>
    </message>
    <message>
        <source>电感量公差必须在0到50%之间！</source>
        <translation>The AL tolerance must be 0 to 50%!</translation>
    </message>
    <message>
        <source>平均电流必须大于或等于0！</source>
        <translation>The average current must be 0 or more!</translation>
    </message>
    <message>
        <source>峰值电流必须大于0！</source>
        <translation>The peak current must be above 0!</translation>
    </message>
    <message>
        <source>纹波电流必须大于或等于0！</source>
        <translation>The ripple current must be 0 or more!</translation>
    </message>
    <message>
        <source>频率必须大于或等于0！单位为千赫兹</source>
        <translation>The frequency must be 0 or more! In kilohertz</translation>
    </message>
    <message>
        <source>环境温度必须在-60到200 °C之间！</source>
        <translation>The ambient must be -60 to 200 °C!</translation>
    </message>
    <message>
        <source>最高温升必须大于0！</source>
        <translation>The max. temperature rise must be above 0!</translation>
    </message>
    <message>
        <source>最大绕后外径必须大于或等于0！填0为不限</source>
        <translation>The max. wound OD must be 0 or more! 0 means no limit</translation>
    </message>
    <message>
        <source>最大绕后高度必须大于或等于0！填0为不限</source>
        <translation>The max. wound height must be 0 or more! 0 means no limit</translation>
    </message>
    <message>
        <source>最低保持率必须在0到100%之间！</source>
        <translation>The min. L kept at peak must be 0 to 100%!</translation>
    </message>
    <message>
        <source>叠放磁芯数必须在1到6之间！</source>
        <translation>The stacked cores must be 1 to 6!</translation>
    </message>
    <message>
        <source>并绕根数必须在1到100之间！</source>
        <translation>The strands must be 1 to 100!</translation>
    </message>
    <message>
        <source>至少选择一个磁芯系列！</source>
        <translation>Choose at least one core series!</translation>
    </message>
    <message>
        <source>错误提示(QIRO Magnetic)</source>
        <translation>Error (QIRO Magnetic)</translation>
    </message>
    <message>
        <source>正在优化……</source>
        <translation>Searching…</translation>
    </message>
    <message>
        <source>无法优化：%1</source>
        <translation>Cannot search: %1</translation>
    </message>
    <message>
        <source>优化已停止，未得到结果。</source>
        <translation>Search stopped, no result.</translation>
    </message>
    <message>
        <source>所有方案窗口占用均超过44%（绕线困难）</source>
        <translation>every design fills more than 44% of the window (hard to wind)</translation>
    </message>
    <message>
        <source>多数方案窗口占用超过44%（绕线困难）</source>
        <translation>most designs fill more than 44% of the window (hard to wind)</translation>
    </message>
    <message>
        <source>所有方案均无法评估（绕组放不进内孔或损耗超出模型范围）</source>
        <translation>no design can be assessed (the winding does not fit the hole, or the loss is outside the model)</translation>
    </message>
    <message>
        <source>多数方案无法评估（绕组放不进内孔或损耗超出模型范围）</source>
        <translation>most designs cannot be assessed (the winding does not fit the hole, or the loss is outside the model)</translation>
    </message>
    <message>
        <source>所有方案温升均超过%1 °C</source>
        <translation>every design rises more than %1 °C</translation>
    </message>
    <message>
        <source>多数方案温升超过%1 °C</source>
        <translation>most designs rise more than %1 °C</translation>
    </message>
    <message>
        <source>所有方案绕后外径均超过%1 mm</source>
        <translation>every design is wider than %1 mm wound</translation>
    </message>
    <message>
        <source>多数方案绕后外径超过%1 mm</source>
        <translation>most designs are wider than %1 mm wound</translation>
    </message>
    <message>
        <source>所有方案绕后高度均超过%1 mm</source>
        <translation>every design is taller than %1 mm wound</translation>
    </message>
    <message>
        <source>多数方案绕后高度超过%1 mm</source>
        <translation>most designs are taller than %1 mm wound</translation>
    </message>
    <message>
        <source>所有方案电感保持率均低于%1%</source>
        <translation>every design keeps less than %1% of its inductance at the peak</translation>
    </message>
    <message>
        <source>多数方案电感保持率低于%1%</source>
        <translation>most designs keep less than %1% of their inductance at the peak</translation>
    </message>
    <message>
        <source>没有满足要求的方案：所有磁芯在350圈以内都达不到所需电感量。</source>
        <translation>No design meets the requirement: no core reaches the inductance within 350 turns.</translation>
    </message>
    <message>
        <source>没有满足要求的方案。</source>
        <translation>No design meets the requirement.</translation>
    </message>
    <message>
        <source>没有满足要求的方案：%1。</source>
        <translation>No design meets the requirement: %1.</translation>
    </message>
    <message>
        <source>共%1个可行方案，最优前沿%2个。</source>
        <translation>%1 feasible designs, %2 on the Pareto front.</translation>
    </message>
    <message>
        <source>图中显示%1个方案中的%2个（按区域抽样），前沿完整。</source>
        <translation>The chart shows %2 of the %1 designs (sampled by area); the front is complete.</translation>
    </message>
    <message>
        <source>%1：无可行方案</source>
        <translation>%1: no feasible design</translation>
    </message>
    <message>
        <source>%1：%2×%3，%4 mm×%5，%6圈
%7 cm³，%8 W</source>
        <translation>%1: %2×%3, %4 mm×%5, %6 turns
%7 cm³, %8 W</translation>
    </message>
    <message>
        <source>改为手动输入要求</source>
        <translation>Type the requirement instead</translation>
    </message>
    <message>
        <source>工作条件：%1</source>
        <translation>Operating condition: %1</translation>
    </message>
    <message>
        <source>工作条件中的变换器无法运行：请在变换器窗口中检查其参数，或改为手动输入要求。</source>
        <translation>The converter of the operating condition cannot run: check its inputs in the converter window, or type the requirement instead.</translation>
    </message>
</context>
<context>
    <name>qiro::DesignAdviserModel</name>
    <message>
        <source>型号</source>
        <translation>Part number</translation>
    </message>
    <message>
        <source>磁芯数</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>线径(mm)</source>
        <translation>Wire Ø (mm)</translation>
    </message>
    <message>
        <source>根数</source>
        <translation>Strands</translation>
    </message>
    <message>
        <source>圈数</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>L@0A(μH)</source>
        <translation>L@0A(μH)</translation>
    </message>
    <message>
        <source>L@平均(μH)</source>
        <translation>L@avg. (μH)</translation>
    </message>
    <message>
        <source>L@峰值(μH)</source>
        <translation>L@peak (μH)</translation>
    </message>
    <message>
        <source>窗口占用(%)</source>
        <translation>Window fill (%)</translation>
    </message>
    <message>
        <source>绕后外径(mm)</source>
        <translation>Wound OD (mm)</translation>
    </message>
    <message>
        <source>绕后高度(mm)</source>
        <translation>Wound height (mm)</translation>
    </message>
    <message>
        <source>绕后体积(cm³)</source>
        <translation>Wound volume (cm³)</translation>
    </message>
    <message>
        <source>磁损(W)</source>
        <translation>Core loss (W)</translation>
    </message>
    <message>
        <source>直流铜损(W)</source>
        <translation>DC copper loss (W)</translation>
    </message>
    <message>
        <source>交流铜损(W)</source>
        <translation>AC copper loss (W)</translation>
    </message>
    <message>
        <source>总损耗(W)</source>
        <translation>Total loss (W)</translation>
    </message>
    <message>
        <source>温升(°C)</source>
        <translation>Temperature rise (°C)</translation>
    </message>
    <message>
        <source>保持率(%)</source>
        <translation>Kept (%)</translation>
    </message>
</context>
<context>
    <name>qiro::DesignCurves</name>
    <message>
        <source>电感量与直流电流</source>
        <translation>Inductance vs. DC current</translation>
    </message>
    <message>
        <source>电感量 L(I)</source>
        <translation>Inductance L(I)</translation>
    </message>
    <message>
        <source>L@0A</source>
        <translation>L@0A</translation>
    </message>
    <message>
        <source>平均电流</source>
        <translation>Average current</translation>
    </message>
    <message>
        <source>峰值电流</source>
        <translation>Peak current</translation>
    </message>
    <message>
        <source>直流电流 (A)</source>
        <translation>DC current (A)</translation>
    </message>
    <message>
        <source>电感量 (μH)</source>
        <translation>Inductance (μH)</translation>
    </message>
    <message>
        <source>直流偏置特性</source>
        <translation>DC bias characteristic</translation>
    </message>
    <message>
        <source>磁场强度 H (Oe)</source>
        <translation>Field strength H (Oe)</translation>
    </message>
    <message>
        <source>剩余磁导率 (%)</source>
        <translation>Permeability kept (%)</translation>
    </message>
    <message>
        <source>磁芯损耗与频率</source>
        <translation>Core loss vs. frequency</translation>
    </message>
    <message>
        <source>磁芯损耗</source>
        <translation>Core loss</translation>
    </message>
    <message>
        <source>工作频率</source>
        <translation>Operating frequency</translation>
    </message>
    <message>
        <source>频率 (kHz)</source>
        <translation>Frequency (kHz)</translation>
    </message>
    <message>
        <source>磁芯损耗 (W)</source>
        <translation>Core loss (W)</translation>
    </message>
    <message>
        <source>温升与平均直流电流</source>
        <translation>Temperature rise vs. average DC current</translation>
    </message>
    <message>
        <source>温升 ΔT(I)</source>
        <translation>Temperature rise ΔT(I)</translation>
    </message>
    <message>
        <source>平均直流电流(A)</source>
        <translation>Average DC current (A)</translation>
    </message>
    <message>
        <source>温升(°C)</source>
        <translation>Temperature rise (°C)</translation>
    </message>
    <message>
        <source>设计曲线</source>
        <translation>Design Curves</translation>
    </message>
    <message>
        <source>没有可以绘制曲线的设计。</source>
        <translation>No design to draw curves for.</translation>
    </message>
    <message>
        <source>磁芯 %1 ×%2，%3 圈，线径 %4mm×%5Pcs；平均电流 %6 A，峰值电流 %7 A，纹波电流 %8 A，频率 %9 kHz</source>
        <translation>Core %1 ×%2, %3 turns, wire %4mm×%5Pcs; average current %6 A, peak current %7 A, ripple current %8 A, frequency %9 kHz</translation>
    </message>
    <message>
        <source>该设计无法计算：计算结果超出数值范围，请检查输入的数值。</source>
        <translation>This design cannot be calculated: a result is outside the number range, check the numbers entered.</translation>
    </message>
    <message>
        <source>设计曲线 - %1</source>
        <translation>Design Curves - %1</translation>
    </message>
    <message>
        <source>平均电流和峰值电流都不大于0，没有可绘制的电流范围。</source>
        <translation>Neither the average nor the peak current is above 0: there is no current range to draw.</translation>
    </message>
    <message>
        <source>L@0A：%1μH；平均电流 %2A：%3μH；峰值电流 %4A：%5μH</source>
        <translation>L@0A: %1μH; average current %2A: %3μH; peak current %4A: %5μH</translation>
    </message>
    <message>
        <source>%1 μ%2</source>
        <translation>%1 μ%2</translation>
    </message>
    <message>
        <source>%1 材料没有直流偏置模型，无法绘制磁导率曲线。</source>
        <translation>The %1 material has no DC bias model: no permeability curve can be drawn.</translation>
    </message>
    <message>
        <source>平均电流：H=%1Oe，剩余磁导率 %2%；峰值电流：H=%3Oe，剩余磁导率 %4%</source>
        <translation>Average current: H=%1Oe, permeability kept %2%; peak current: H=%3Oe, permeability kept %4%</translation>
    </message>
    <message>
        <source>该设计的磁通密度没有摆幅（纹波电流为0），磁芯没有交流损耗，因此没有损耗曲线。</source>
        <translation>The flux density does not swing in this design (ripple current 0): the core has no AC loss, so there is no loss curve.</translation>
    </message>
    <message>
        <source>该材料的损耗模型在此频率范围内没有有效的损耗值，无法绘制损耗曲线。</source>
        <translation>The material&apos;s loss model gives no valid loss in this frequency range: no loss curve can be drawn.</translation>
    </message>
    <message>
        <source>磁通密度摆幅 ΔB=%1Gs</source>
        <translation>Flux density swing ΔB=%1Gs</translation>
    </message>
    <message>
        <source>；工作频率 %1kHz：磁损 %2W</source>
        <translation>; at %1kHz: core loss %2W</translation>
    </message>
    <message>
        <source>；工作频率 %1kHz 不在损耗模型范围内</source>
        <translation>; %1kHz is outside the loss model&apos;s range</translation>
    </message>
    <message>
        <source>；损耗模型在部分频率下没有正值，这些频率未绘出</source>
        <translation>; the loss model gives no positive value at some frequencies, which are not drawn</translation>
    </message>
    <message>
        <source>绕组放不进磁芯内孔，无法估算温升</source>
        <translation>The winding does not fit the core&apos;s window: no temperature rise can be estimated</translation>
    </message>
    <message>
        <source>磁损超出损耗模型范围，无法估算温升</source>
        <translation>The core loss is outside the loss model&apos;s range: no temperature rise can be estimated</translation>
    </message>
    <message>
        <source>无法估算温升</source>
        <translation>No temperature rise can be estimated</translation>
    </message>
    <message>
        <source>（方案不含频率和纹波：仅直流铜损）</source>
        <translation>(No frequency or ripple in the proposal: DC copper loss only) </translation>
    </message>
    <message>
        <source>（频率为0：仅直流铜损）</source>
        <translation>(Frequency 0: DC copper loss only) </translation>
    </message>
    <message>
        <source>（纹波电流为0：仅直流铜损）</source>
        <translation>(Ripple current 0: DC copper loss only) </translation>
    </message>
    <message>
        <source>环境温度 %1°C；平均电流 %2A：温升 %3°C（%4），绕组温度 %5°C</source>
        <translation>Ambient %1°C; average current %2A: rise %3°C (%4), winding %5°C</translation>
    </message>
    <message>
        <source>；部分电流下无法估算温升，这些电流未绘出</source>
        <translation>; at some currents no temperature rise can be estimated, they are not drawn</translation>
    </message>
    <message>
        <source>绕组温度将超过500 °C，无稳定温度，无法估算温升</source>
        <translation>The winding would pass 500 °C and has no steady temperature: no temperature rise can be estimated</translation>
    </message>
    <message>
        <source>；自平均电流 %1A 起，绕组温度将超过500 °C的电流未绘出</source>
        <translation>; from %1 A average current on, currents at which the winding would pass 500 °C are not drawn</translation>
    </message>
    <message>
        <source>四分之一工频周期：损耗从何而来</source>
        <translation>A quarter line cycle: where the losses come from</translation>
    </message>
    <message>
        <source>工频相位角 θ (°)</source>
        <translation>Line angle θ (°)</translation>
    </message>
    <message>
        <source>占最大值 (%)</source>
        <translation>Share of the largest value (%)</translation>
    </message>
    <message>
        <source>电流（最大 %1 A）</source>
        <translation>Current (largest %1 A)</translation>
    </message>
    <message>
        <source>电感量 L(i)（最大 %1 μH）</source>
        <translation>Inductance L(i) (largest %1 μH)</translation>
    </message>
    <message>
        <source>纹波（最大 %1 A）</source>
        <translation>Ripple (largest %1 A)</translation>
    </message>
    <message>
        <source>磁损密度（最大 %1 mW/cm³）</source>
        <translation>Core loss density (largest %1 mW/cm³)</translation>
    </message>
    <message>
        <source>变换器：%1。磁损密度含iGSE系数（D随θ变化）；磁芯损耗取它在工频周期上的平均值。</source>
        <translation>Converter: %1. The core loss density includes the iGSE factor (D changes with θ); the core loss is its average over the line cycle.</translation>
    </message>
</context>
<context>
    <name>qiro::DesignFile</name>
    <message>
        <source>电感设计 (*.qiro);;所有文件 (*)</source>
        <translation>Inductor designs (*.qiro);;All files (*)</translation>
    </message>
</context>
<context>
    <name>qiro::DesignSheet</name>
    <message>
        <source>电感设计：%1 × %2个磁芯，%3圈，线径%4 mm × %5根</source>
        <translation>Inductor design: %1 × %2 cores, %3 turns, wire %4 mm × %5 strands</translation>
    </message>
    <message>
        <source>磁芯型号：%1</source>
        <translation>Core: %1</translation>
    </message>
    <message>
        <source>磁芯个数：%1</source>
        <translation>Cores: %1</translation>
    </message>
    <message>
        <source>平均电流：%1 A</source>
        <translation>Average current: %1 A</translation>
    </message>
    <message>
        <source>峰值电流：%1 A</source>
        <translation>Peak current: %1 A</translation>
    </message>
    <message>
        <source>纹波电流：%1 A</source>
        <translation>Ripple current: %1 A</translation>
    </message>
    <message>
        <source>频率：%1 kHz</source>
        <translation>Frequency: %1 kHz</translation>
    </message>
    <message>
        <source>线径：%1 mm</source>
        <translation>Wire diameter: %1 mm</translation>
    </message>
    <message>
        <source>铜线根数：%1</source>
        <translation>Strands: %1</translation>
    </message>
    <message>
        <source>绕线圈数：%1</source>
        <translation>Turns: %1</translation>
    </message>
    <message>
        <source>环境温度：%1 °C</source>
        <translation>Ambient temperature: %1 °C</translation>
    </message>
    <message>
        <source>输入参数</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>设计评估</source>
        <translation>Design Assessment</translation>
    </message>
    <message>
        <source>计算结果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>曲线</source>
        <translation>Curves</translation>
    </message>
</context>
<context>
    <name>qiro::DomainText</name>
    <message>
        <source>磁芯型号：</source>
        <translation>Core: </translation>
    </message>
    <message>
        <source>磁芯料号：</source>
        <translation>Core part number: </translation>
    </message>
    <message>
        <source>磁芯个数：</source>
        <translation>Cores: </translation>
    </message>
    <message>
        <source>频率：</source>
        <translation>Frequency: </translation>
    </message>
    <message>
        <source>平均电流：</source>
        <translation>Average current: </translation>
    </message>
    <message>
        <source>峰值电流：</source>
        <translation>Peak current: </translation>
    </message>
    <message>
        <source>纹波电流：</source>
        <translation>Ripple current: </translation>
    </message>
    <message>
        <source>铜线线径：</source>
        <translation>Wire diameter: </translation>
    </message>
    <message>
        <source>电流密度：</source>
        <translation>Current density: </translation>
    </message>
    <message>
        <source>直流电阻：</source>
        <translation>DC resistance: </translation>
    </message>
    <message>
        <source>磁损：</source>
        <translation>Core loss: </translation>
    </message>
    <message>
        <source>铜损：</source>
        <translation>Copper loss: </translation>
    </message>
    <message>
        <source>总损耗：</source>
        <translation>Total loss: </translation>
    </message>
    <message>
        <source>超出损耗模型范围</source>
        <translation>outside the loss model&apos;s range</translation>
    </message>
    <message>
        <source>涂层前尺寸：外径×内径×高度=</source>
        <translation>Size before coating: OD×ID×HT=</translation>
    </message>
    <message>
        <source>涂层后尺寸：外径×内径×高度=</source>
        <translation>Size after coating: OD×ID×HT=</translation>
    </message>
    <message>
        <source>电感系数：</source>
        <translation>Inductance factor: </translation>
    </message>
    <message>
        <source>有效磁路长度：</source>
        <translation>Effective path length: </translation>
    </message>
    <message>
        <source>磁芯截面积：</source>
        <translation>Cross-section: </translation>
    </message>
    <message>
        <source>磁芯体积：</source>
        <translation>Core volume: </translation>
    </message>
    <message>
        <source>磁芯尺寸：外径×内径×高度=</source>
        <translation>Core size: OD×ID×HT=</translation>
    </message>
    <message>
        <source>线径：</source>
        <translation>Wire diameter: </translation>
    </message>
    <message>
        <source>绕线圈数：</source>
        <translation>Turns: </translation>
    </message>
    <message>
        <source>  电流密度=</source>
        <translation>  J=</translation>
    </message>
    <message>
        <source>；线径=</source>
        <translation>; wire=</translation>
    </message>
    <message>
        <source>；绕线根数=</source>
        <translation>; strands=</translation>
    </message>
    <message>
        <source>；绕线圈数=</source>
        <translation>; turns=</translation>
    </message>
    <message>
        <source>电流密度=</source>
        <translation>Current density=</translation>
    </message>
    <message>
        <source> 建议多股线</source>
        <translation> use stranded wire</translation>
    </message>
    <message>
        <source>绕组层数：</source>
        <translation>Winding: </translation>
    </message>
    <message>
        <source>层</source>
        <translation> layer(s)</translation>
    </message>
    <message>
        <source>绕线厚度：</source>
        <translation>Build: </translation>
    </message>
    <message>
        <source>绕后外径×高度：</source>
        <translation>Wound OD×height: </translation>
    </message>
    <message>
        <source>散热面积：</source>
        <translation>Surface area: </translation>
    </message>
    <message>
        <source>直流铜损：</source>
        <translation>DC copper loss: </translation>
    </message>
    <message>
        <source>交流铜损：</source>
        <translation>AC copper loss: </translation>
    </message>
    <message>
        <source>Dowell系数：</source>
        <translation>Dowell factor: </translation>
    </message>
    <message>
        <source> W（磁损</source>
        <translation> W (core loss </translation>
    </message>
    <message>
        <source>温升：</source>
        <translation>Temperature rise: </translation>
    </message>
    <message>
        <source>绕组温度：</source>
        <translation>Winding temperature: </translation>
    </message>
    <message>
        <source>峰值电感保持率：</source>
        <translation>L kept at peak: </translation>
    </message>
    <message>
        <source>正常</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>偏高</source>
        <translation>high</translation>
    </message>
    <message>
        <source>过高</source>
        <translation>too high</translation>
    </message>
    <message>
        <source>偏低</source>
        <translation>low</translation>
    </message>
    <message>
        <source>过低</source>
        <translation>too low</translation>
    </message>
    <message>
        <source>方案不含频率和纹波：</source>
        <translation>No frequency or ripple in the proposal:</translation>
    </message>
    <message>
        <source>磁损和交流铜损按0计</source>
        <translation>core and AC copper loss taken as 0</translation>
    </message>
    <message>
        <source>无法评估：绕组放不进磁芯内孔</source>
        <translation>Cannot assess: the winding does not fit the core&apos;s window</translation>
    </message>
    <message>
        <source>无法评估：磁损超出损耗模型范围</source>
        <translation>Cannot assess: core loss outside the loss model&apos;s range</translation>
    </message>
    <message>
        <source>无法评估：输入无法评估</source>
        <translation>Cannot assess: the inputs cannot be assessed</translation>
    </message>
    <message>
        <source> （</source>
        <translation> (</translation>
    </message>
    <message>
        <source>（</source>
        <translation> (</translation>
    </message>
    <message>
        <source>）</source>
        <translation>)</translation>
    </message>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>请选择材质</source>
        <translation>Choose a material</translation>
    </message>
    <message>
        <source>请选择磁导率</source>
        <translation>Choose a permeability</translation>
    </message>
    <message>
        <source>请选择DC</source>
        <translation>Choose the DC</translation>
    </message>
    <message>
        <source>无法评估：绕组温度将超过500 °C，无稳定温度</source>
        <translation>Cannot assess: the winding would pass 500 °C, no steady temperature</translation>
    </message>
    <message>
        <source>直流加对称纹波的评估：</source>
        <translation>Assessed at DC with a symmetric ripple:</translation>
    </message>
    <message>
        <source>磁损模型：iGSE，线周期平均</source>
        <translation>Core loss model: iGSE, line-cycle average</translation>
    </message>
    <message>
        <source>磁损模型：iGSE，伏秒</source>
        <translation>Core loss model: iGSE, volt-seconds</translation>
    </message>
    <message>
        <source>最大电流：</source>
        <translation>Highest current: </translation>
    </message>
    <message>
        <source> A；最大纹波：</source>
        <translation> A; largest ripple: </translation>
    </message>
    <message>
        <source>逆变LC</source>
        <translation>Inverter LC</translation>
    </message>
    <message>
        <source>正激</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>推挽</source>
        <translation>Push-pull</translation>
    </message>
    <message>
        <source>全桥</source>
        <translation>Full bridge</translation>
    </message>
    <message>
        <source>变换器中的评估：</source>
        <translation>Assessed in the converter:</translation>
    </message>
    <message>
        <source>工作条件：</source>
        <translation>Operating condition: </translation>
    </message>
</context>
<context>
    <name>qiro::MDIMain</name>
    <message>
        <source>QIRO功率电感设计工具3.0内部版</source>
        <translation>QIRO Power Inductor Design Tool 3.0 Internal Edition</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>样品申请(&amp;S)</source>
        <translation>Request a &amp;Sample</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>电感计算工具(&amp;D)</source>
        <translation>&amp;Design Tools</translation>
    </message>
    <message>
        <source>电感综合计算(&amp;L)</source>
        <translation>&amp;Inductor Calculator</translation>
    </message>
    <message>
        <source>磁芯简单选型(&amp;C)</source>
        <translation>Simple &amp;Core Selection</translation>
    </message>
    <message>
        <source>磁芯高级选型(&amp;G)</source>
        <translation>&amp;Advanced Selection</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>电抗器辅助设计(&amp;I)</source>
        <translation>&amp;Reactor Design</translation>
    </message>
    <message>
        <source>双R棒单层立绕UR(&amp;S)</source>
        <translation>UR, Two Rods, &amp;Single-Layer Edgewise</translation>
    </message>
    <message>
        <source>双R棒内外包立绕UR(&amp;D)</source>
        <translation>UR, Two Rods, &amp;Double-Wrapped Edgewise</translation>
    </message>
    <message>
        <source>单R棒单层立绕ER(&amp;E)</source>
        <translation>ER, One Rod, Single-Layer &amp;Edgewise</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>双方心柱漆包线平绕UI(&amp;F)</source>
        <translation>UI, Two Square Legs, &amp;Flat-Wound Enamelled Wire</translation>
    </message>
    <message>
        <source>单方心柱漆包线平绕EI(&amp;G)</source>
        <translation>EI, One Square Le&amp;g, Flat-Wound Enamelled Wire</translation>
    </message>
    <message>
        <source>双方心柱单层立绕UI(&amp;H)</source>
        <translation>UI, T&amp;wo Square Legs, Single-Layer Edgewise</translation>
    </message>
    <message>
        <source>单方心柱单层立绕EI(&amp;I)</source>
        <translation>EI, One Square Leg, Single-&amp;Layer Edgewise</translation>
    </message>
    <message>
        <source>双方心柱箔绕UI(&amp;J)</source>
        <translation>UI, Two Square Legs, F&amp;oil-Wound</translation>
    </message>
    <message>
        <source>单方心柱箔绕EI(&amp;K)</source>
        <translation>EI, One S&amp;quare Leg, Foil-Wound</translation>
    </message>
    <message>
        <source>电路拓扑电感量计算(&amp;T)</source>
        <translation>&amp;Topology Inductance</translation>
    </message>
    <message>
        <source>PFC电感感量计算(&amp;P)</source>
        <translation>&amp;PFC Inductance</translation>
    </message>
    <message>
        <source>BOOST电感感量计算(&amp;B)</source>
        <translation>&amp;BOOST Inductance</translation>
    </message>
    <message>
        <source>BUCK电感感量计算(&amp;U)</source>
        <translation>B&amp;UCK Inductance</translation>
    </message>
    <message>
        <source>BUCK-BOOST电感感量计算(&amp;K)</source>
        <translation>BUC&amp;K-BOOST Inductance</translation>
    </message>
    <message>
        <source>逆变LC电感感量计算(&amp;N)</source>
        <translation>I&amp;nverter LC Inductance</translation>
    </message>
    <message>
        <source>全桥电感感量计算(&amp;H)</source>
        <translation>&amp;Full Bridge Inductance</translation>
    </message>
    <message>
        <source>正激电感感量计算&amp;(J)</source>
        <translation>F&amp;orward Inductance</translation>
    </message>
    <message>
        <source>推挽电感感量计算(&amp;W)</source>
        <translation>Pu&amp;sh-Pull Inductance</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>帮助主题(&amp;M)</source>
        <translation>Help &amp;Topics</translation>
    </message>
    <message>
        <source>关于(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>电感优化设计(&amp;O)</source>
        <translation>Inductor Design Ad&amp;viser</translation>
    </message>
    <message>
        <source>打开设计…</source>
        <translation>Open Design…</translation>
    </message>
    <message>
        <source>保存设计…</source>
        <translation>Save Design…</translation>
    </message>
    <message>
        <source>最近的设计</source>
        <translation>Recent Designs</translation>
    </message>
    <message>
        <source>设计文件已不存在，已从最近的设计中移除：%1</source>
        <translation>The design file no longer exists and was removed from the recent designs: %1</translation>
    </message>
    <message>
        <source>打开设计</source>
        <translation>Open Design</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>无法保存设计：%1</source>
        <translation>Cannot save the design: %1</translation>
    </message>
    <message>
        <source>保存设计</source>
        <translation>Save Design</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>无法保存设计文件：%1</source>
        <translation>Cannot save the design file: %1</translation>
    </message>
</context>
<context>
    <name>qiro::ProposalComparison</name>
    <message>
        <source>尚无方案：请先在磁芯选型中选型。</source>
        <translation>No proposals yet: select cores in the core selection first.</translation>
    </message>
    <message>
        <source>按频率 %1 kHz、纹波电流 %2 A（三角波，峰峰值）计入磁损和交流铜损，环境温度 %3 °C。</source>
        <translation>Core loss and AC copper loss at %1 kHz and a ripple current of %2 A (triangular, peak to peak), ambient %3 °C.</translation>
    </message>
    <message>
        <source>选型方案不含纹波：铜损只计直流，磁损为零。填写频率和纹波电流可计入磁损和交流铜损。环境温度 %1 °C。</source>
        <translation>The proposals have no ripple: DC copper loss only, no core loss. Enter a frequency and a ripple current to include core loss and AC copper loss. Ambient %1 °C.</translation>
    </message>
</context>
<context>
    <name>qiro::ProposalComparisonModel</name>
    <message>
        <source>型号</source>
        <translation>Part number</translation>
    </message>
    <message>
        <source>圈数</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>线径×根数</source>
        <translation>Wire × strands</translation>
    </message>
    <message>
        <source>L@0A(μH)</source>
        <translation>L@0A(μH)</translation>
    </message>
    <message>
        <source>L@峰值(μH)</source>
        <translation>L@peak (μH)</translation>
    </message>
    <message>
        <source>保持率(%)</source>
        <translation>Kept (%)</translation>
    </message>
    <message>
        <source>直流电阻(mΩ)</source>
        <translation>DC resistance (mΩ)</translation>
    </message>
    <message>
        <source>铜损(W)</source>
        <translation>Copper loss (W)</translation>
    </message>
    <message>
        <source>磁损(W)</source>
        <translation>Core loss (W)</translation>
    </message>
    <message>
        <source>温升(°C)</source>
        <translation>Temperature rise (°C)</translation>
    </message>
    <message>
        <source>铜重(g)</source>
        <translation>Copper (g)</translation>
    </message>
    <message>
        <source>磁芯体积(cm³)</source>
        <translation>Core volume (cm³)</translation>
    </message>
    <message>
        <source>绕后尺寸(mm)</source>
        <translation>Wound size (mm)</translation>
    </message>
</context>
<context>
    <name>qiro::ReportCopy</name>
    <message>
        <source>复制报告</source>
        <translation>Copy Report</translation>
    </message>
</context>
<context>
    <name>qiro::TopologyFrame</name>
    <message>
        <source>BOOST感量计算</source>
        <translation>BOOST Inductance</translation>
    </message>
    <message>
        <source>BOOST电路参数输入</source>
        <translation>BOOST circuit parameters</translation>
    </message>
    <message>
        <source>BOOST电路参数计算结果</source>
        <translation>BOOST circuit results</translation>
    </message>
    <message>
        <source>典型电路图：BOOST</source>
        <translation>Typical circuit: BOOST</translation>
    </message>
    <message>
        <source>BUCK感量计算</source>
        <translation>BUCK Inductance</translation>
    </message>
    <message>
        <source>BUCK电路参数输入</source>
        <translation>BUCK circuit parameters</translation>
    </message>
    <message>
        <source>BUCK电路参数计算结果</source>
        <translation>BUCK circuit results</translation>
    </message>
    <message>
        <source>典型电路图：BUCK</source>
        <translation>Typical circuit: BUCK</translation>
    </message>
    <message>
        <source>BUCK-BOOST感量计算</source>
        <translation>BUCK-BOOST Inductance</translation>
    </message>
    <message>
        <source>BUCK-BOOST电路参数输入</source>
        <translation>BUCK-BOOST circuit parameters</translation>
    </message>
    <message>
        <source>BUCK-BOOST电路参数计算结果</source>
        <translation>BUCK-BOOST circuit results</translation>
    </message>
    <message>
        <source>典型电路图：BUCK-BOOST</source>
        <translation>Typical circuit: BUCK-BOOST</translation>
    </message>
    <message>
        <source>逆变电感感量计算</source>
        <translation>Inverter Inductance</translation>
    </message>
    <message>
        <source>逆变电路参数输入</source>
        <translation>Inverter circuit parameters</translation>
    </message>
    <message>
        <source>逆变电路参数计算结果</source>
        <translation>Inverter circuit results</translation>
    </message>
    <message>
        <source>典型电路图：逆变LC</source>
        <translation>Typical circuit: inverter LC</translation>
    </message>
    <message>
        <source>PFC感量计算</source>
        <translation>PFC Inductance</translation>
    </message>
    <message>
        <source>PFC电路参数输入</source>
        <translation>PFC circuit parameters</translation>
    </message>
    <message>
        <source>PFC电路参数计算结果</source>
        <translation>PFC circuit results</translation>
    </message>
    <message>
        <source>典型电路图：PFC</source>
        <translation>Typical circuit: PFC</translation>
    </message>
    <message>
        <source>全桥电感感量计算</source>
        <translation>Full Bridge Inductance</translation>
    </message>
    <message>
        <source>电路参数输入</source>
        <translation>Circuit parameters</translation>
    </message>
    <message>
        <source>电路参数计算结果</source>
        <translation>Circuit results</translation>
    </message>
    <message>
        <source>典型电路图：全桥电路</source>
        <translation>Typical circuit: full bridge</translation>
    </message>
    <message>
        <source>推挽电感感量计算</source>
        <translation>Push-Pull Inductance</translation>
    </message>
    <message>
        <source>典型电路图：推挽电路</source>
        <translation>Typical circuit: push-pull</translation>
    </message>
    <message>
        <source>正激电感感量计算</source>
        <translation>Forward Inductance</translation>
    </message>
    <message>
        <source>典型电路图：正激电路TOP</source>
        <translation>Typical circuit: forward</translation>
    </message>
    <message>
        <source>请输入“输出电流Iout”！单位为安培（A）</source>
        <translation>Please enter the &quot;output current Iout&quot; in amperes (A)!</translation>
    </message>
    <message>
        <source>功率P (W)</source>
        <translation>Power P (W)</translation>
    </message>
    <message>
        <source>请输入“功率”！单位为瓦特（W）</source>
        <translation>Please enter the &quot;power&quot; in watts (W)!</translation>
    </message>
    <message>
        <source>功率超出数值范围！</source>
        <translation>The power is outside the number range!</translation>
    </message>
    <message>
        <source>输出电流Iout (A)</source>
        <translation>Output current Iout (A)</translation>
    </message>
    <message>
        <source>输出电流超出数值范围！</source>
        <translation>The output current is outside the number range!</translation>
    </message>
    <message>
        <source>输出额定电流Iout(A)</source>
        <translation>Rated output current Iout (A)</translation>
    </message>
    <message>
        <source>请输入“输出电电流Iout”！单位为安培（A）</source>
        <translation>Please enter the &quot;output current Iout&quot; in amperes (A)!</translation>
    </message>
    <message>
        <source>输入电压Vin (V)</source>
        <translation>Input voltage Vin (V)</translation>
    </message>
    <message>
        <source>请输入“输入电压Vin”！单位为伏特（V）</source>
        <translation>Please enter the &quot;input voltage Vin&quot; in volts (V)!</translation>
    </message>
    <message>
        <source>输入电压超出数值范围！</source>
        <translation>The input voltage is outside the number range!</translation>
    </message>
    <message>
        <source>正弦输入电压Vin (V)</source>
        <translation>Sine input voltage Vin (V)</translation>
    </message>
    <message>
        <source>请输入“正弦输入电压Vin”！单位为伏特（V）</source>
        <translation>Please enter the &quot;sine input voltage Vin&quot; in volts (V)!</translation>
    </message>
    <message>
        <source>正弦输入电压超出数值范围！</source>
        <translation>The sine input voltage is outside the number range!</translation>
    </message>
    <message>
        <source>输入电压Vdc (V)</source>
        <translation>Input voltage Vdc (V)</translation>
    </message>
    <message>
        <source>请输入“输入电压Vdc”！单位为伏特（V）</source>
        <translation>Please enter the &quot;input voltage Vdc&quot; in volts (V)!</translation>
    </message>
    <message>
        <source>输出电压Vout (V)</source>
        <translation>Output voltage Vout (V)</translation>
    </message>
    <message>
        <source>请输入“输出电压Vout”！单位为伏特（V）</source>
        <translation>Please enter the &quot;output voltage Vout&quot; in volts (V)!</translation>
    </message>
    <message>
        <source>输出电压超出数值范围！</source>
        <translation>The output voltage is outside the number range!</translation>
    </message>
    <message>
        <source>开关频率f (kHz)</source>
        <translation>Switching frequency f (kHz)</translation>
    </message>
    <message>
        <source>请输入“开关频率”！单位为千赫兹（kHz）</source>
        <translation>Please enter the &quot;switching frequency&quot; in kilohertz (kHz)!</translation>
    </message>
    <message>
        <source>开关频率超出数值范围！</source>
        <translation>The switching frequency is outside the number range!</translation>
    </message>
    <message>
        <source>纹波率γ</source>
        <translation>Ripple ratio γ</translation>
    </message>
    <message>
        <source>请输入“纹波率”！</source>
        <translation>Please enter the &quot;ripple ratio&quot;!</translation>
    </message>
    <message>
        <source>纹波率超出数值范围！</source>
        <translation>The ripple ratio is outside the number range!</translation>
    </message>
    <message>
        <source>占空比D</source>
        <translation>Duty cycle D</translation>
    </message>
    <message>
        <source>请重新输入“占空比D”！</source>
        <translation>Please enter the &quot;duty cycle D&quot; again!</translation>
    </message>
    <message>
        <source>占空比超出数值范围！</source>
        <translation>The duty cycle is outside the number range!</translation>
    </message>
    <message>
        <source>转换效率η</source>
        <translation>Efficiency η</translation>
    </message>
    <message>
        <source>请重新输入“转化效率”！转化效率大于0小于1</source>
        <translation>Please enter the &quot;efficiency&quot; again! It must be above 0 and below 1</translation>
    </message>
    <message>
        <source>转换效率超出数值范围！</source>
        <translation>The efficiency is outside the number range!</translation>
    </message>
    <message>
        <source>电感量L@IL (uH)</source>
        <translation>Inductance L@IL (uH)</translation>
    </message>
    <message>
        <source>电感量L@Ipk (uH)</source>
        <translation>Inductance L@Ipk (uH)</translation>
    </message>
    <message>
        <source>电感电流ILpk (A)</source>
        <translation>Inductor current ILpk (A)</translation>
    </message>
    <message>
        <source>电感峰值电流ILpk (A)</source>
        <translation>Peak inductor current ILpk (A)</translation>
    </message>
    <message>
        <source>电感尖峰电流ILpk (A)</source>
        <translation>Inductor spike current ILpk (A)</translation>
    </message>
    <message>
        <source>功率Po(W)</source>
        <translation>Power Po (W)</translation>
    </message>
    <message>
        <source>纹波电流ΔI (A)</source>
        <translation>Ripple current ΔI (A)</translation>
    </message>
    <message>
        <source>输入电流Iin (A)</source>
        <translation>Input current Iin (A)</translation>
    </message>
    <message>
        <source>额定输出电流Iout (A)</source>
        <translation>Rated output current Iout (A)</translation>
    </message>
    <message>
        <source>电感有效电流ILrms (A)</source>
        <translation>Inductor RMS current ILrms (A)</translation>
    </message>
    <message>
        <source>额定输出电流Io (A)</source>
        <translation>Rated output current Io (A)</translation>
    </message>
    <message>
        <source>电感峰值电流IL (A)</source>
        <translation>Peak inductor current IL (A)</translation>
    </message>
    <message>
        <source>错误提示(QIRO Magnetic)</source>
        <translation>Error (QIRO Magnetic)</translation>
    </message>
    <message>
        <source>计算结果超出数值范围，请检查输入参数！</source>
        <translation>A result is outside the number range, check the inputs!</translation>
    </message>
    <message>
        <source>设计电感…</source>
        <translation>Design the inductor…</translation>
    </message>
    <message>
        <source>还没有计算结果：请先输入参数并点击“计算”，再设计电感。</source>
        <translation>There are no results yet: enter the inputs and click &quot;Calculate&quot;, then design the inductor.</translation>
    </message>
    <message>
        <source>计算出的电感量不大于0，无法设计电感：请检查输入参数（如占空比）。</source>
        <translation>The calculated inductance is not above 0, so there is no inductor to design: check the inputs (such as the duty cycle).</translation>
    </message>
    <message>
        <source>计算出的电感电流无法用于设计电感：请检查输入参数。</source>
        <translation>The calculated inductor currents cannot be used to design an inductor: check the inputs.</translation>
    </message>
</context>
<context>
    <name>qiro::UserGuide</name>
    <message>
        <source>使用指南</source>
        <translation>User guide</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>后退</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>qiro::frmAbout</name>
    <message>
        <source>关于磁芯选型计算工具</source>
        <translation>About the Core Selection Tool</translation>
    </message>
    <message>
        <source>本工具用于环形磁芯的选型、计算电感量辅助电感设计，如果对计算或选型有任何问题请访问：</source>
        <translation>This tool selects toroidal cores and calculates inductance to help design inductors. For any question on the calculations or the selection, visit:</translation>
    </message>
    <message>
        <source>电话：见 QIRO 网站“联系我们”页面</source>
        <translation>Phone: see &quot;Contact us&quot; on the QIRO website</translation>
    </message>
    <message>
        <source>邮箱：sales@qiro-magnetics.example</source>
        <translation>E-mail: sales@qiro-magnetics.example</translation>
    </message>
    <message>
        <source>技术支持：QIRO 应用工程部（联系方式见网站）</source>
        <translation>Technical support: QIRO application engineering (contact details on the website)</translation>
    </message>
</context>
<context>
    <name>qiro::frmChoise</name>
    <message>
        <source>对不起，请选择磁芯个数！</source>
        <translation>Sorry, please choose the number of cores!</translation>
    </message>
    <message>
        <source>对不起，磁芯个数超出范围！</source>
        <translation>Sorry, the number of cores is out of range!</translation>
    </message>
    <message>
        <source>对不起，请输入电流！</source>
        <translation>Sorry, please enter the current!</translation>
    </message>
    <message>
        <source>对不起，电流大小为数字！</source>
        <translation>Sorry, the current must be a number!</translation>
    </message>
    <message>
        <source>对不起，请输入电流大小！</source>
        <translation>Sorry, please enter the current!</translation>
    </message>
    <message>
        <source>对不起，请输入电感量的大小！</source>
        <translation>Sorry, please enter the inductance!</translation>
    </message>
    <message>
        <source>对不起，电感量大小为数字，请重新输入！</source>
        <translation>Sorry, the inductance must be a number, please enter it again!</translation>
    </message>
    <message>
        <source>对不起，请输入电感量大小！</source>
        <translation>Sorry, please enter the inductance!</translation>
    </message>
    <message>
        <source>电流超出数值范围！</source>
        <translation>The current is outside the number range!</translation>
    </message>
    <message>
        <source>电感量超出数值范围！</source>
        <translation>The inductance is outside the number range!</translation>
    </message>
    <message>
        <source>错误提示</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>没有计算出能到达您的感量的磁芯，请考虑增加磁芯或减少电感量，如果有疑问请联系我们。</source>
        <translation>No core reaches your inductance: consider more cores or less inductance, and contact us with any question.</translation>
    </message>
</context>
<context>
    <name>qiro::frmCoreChoise</name>
    <message>
        <source>尚未选择方案：请先选型，再在选型结果列表中点击一个方案。</source>
        <translation>No proposal chosen yet: select cores first, then click a proposal in the results list.</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>对不起，磁芯个数超出范围！</source>
        <translation>Sorry, the number of cores is out of range!</translation>
    </message>
    <message>
        <source>对不起，请输入电流！</source>
        <translation>Sorry, please enter the current!</translation>
    </message>
    <message>
        <source>对不起，电流大小为数字！</source>
        <translation>Sorry, the current must be a number!</translation>
    </message>
    <message>
        <source>对不起，电流过大，超出磁环设计，请使用KMG系列磁芯！</source>
        <translation>Sorry, the current is too high for these cores, please use KMG series cores!</translation>
    </message>
    <message>
        <source>对不起，请输入电感量的大小！</source>
        <translation>Sorry, please enter the inductance!</translation>
    </message>
    <message>
        <source>对不起，电感量大小为数字，请重新输入！</source>
        <translation>Sorry, the inductance must be a number, please enter it again!</translation>
    </message>
    <message>
        <source>对不起，请输入正确的电感值！</source>
        <translation>Sorry, please enter a valid inductance!</translation>
    </message>
    <message>
        <source>电流超出数值范围！</source>
        <translation>The current is outside the number range!</translation>
    </message>
    <message>
        <source>电感量超出数值范围！</source>
        <translation>The inductance is outside the number range!</translation>
    </message>
    <message>
        <source>对不起，电流比较小，将按0.1电流安计算！</source>
        <translation>Sorry, the current is small; 0.1 A will be used!</translation>
    </message>
    <message>
        <source>未找到满足您的电流密度常用铜线规格，您可以使用推荐线径或特殊规格铜线！</source>
        <translation>No common wire size meets your current density; use the recommended diameter or a special wire!</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>对不起，没有满足您需求的磁芯，请改变您的电感设计条件或增加磁芯个数！</source>
        <translation>Sorry, no core meets your requirements; change the design conditions or add cores!</translation>
    </message>
    <message>
        <source>在环形计算器中打开</source>
        <translation>Open in Toroid Calculator</translation>
    </message>
</context>
<context>
    <name>qiro::frmDiangan</name>
    <message>
        <source>尚未计算任何设计：请输入电流、频率和绕线圈数，并在列表中选择磁芯。</source>
        <translation>Nothing calculated yet: enter the currents, frequency and turns, and choose a core in the list.</translation>
    </message>
    <message>
        <source>错误提示(QIRO Magnetic)</source>
        <translation>Error (QIRO Magnetic)</translation>
    </message>
    <message>
        <source>当前输入无法计算：%1</source>
        <translation>The current input cannot be calculated: %1</translation>
    </message>
    <message>
        <source>计算结果超出数值范围！请检查输入的数值</source>
        <translation>A result is outside the number range! Check the numbers entered</translation>
    </message>
    <message>
        <source>注意：绕线困难！</source>
        <translation>Note: hard to wind!</translation>
    </message>
    <message>
        <source>请输入“平均”电流！单位为安培</source>
        <translation>Please enter the &quot;average&quot; current in amperes!</translation>
    </message>
    <message>
        <source>请输入“峰值”电流！单位为安培</source>
        <translation>Please enter the &quot;peak&quot; current in amperes!</translation>
    </message>
    <message>
        <source>请输入“纹波”电流！单位为安培</source>
        <translation>Please enter the &quot;ripple&quot; current in amperes!</translation>
    </message>
    <message>
        <source>请输入“频率”，注意单位为千赫兹！</source>
        <translation>Please enter the &quot;frequency&quot;, in kilohertz!</translation>
    </message>
    <message>
        <source>请输入绕线圈数！</source>
        <translation>Please enter the number of turns!</translation>
    </message>
    <message>
        <source>没有选择任何磁芯，请从列表中选择需要的磁芯！</source>
        <translation>No core chosen: choose the core you need in the list!</translation>
    </message>
    <message>
        <source>铜线根数超出范围！最多为32767根</source>
        <translation>Too many strands! At most 32767</translation>
    </message>
    <message>
        <source>磁芯个数超出范围！请重新输入磁芯个数</source>
        <translation>The number of cores is out of range! Please enter it again</translation>
    </message>
    <message>
        <source>请在列表中选择线径！</source>
        <translation>Please choose a wire diameter in the list!</translation>
    </message>
    <message>
        <source>平均电流超出数值范围！</source>
        <translation>The average current is outside the number range!</translation>
    </message>
    <message>
        <source>峰值电流超出数值范围！</source>
        <translation>The peak current is outside the number range!</translation>
    </message>
    <message>
        <source>纹波电流超出数值范围！</source>
        <translation>The ripple current is outside the number range!</translation>
    </message>
    <message>
        <source>频率超出数值范围！</source>
        <translation>The frequency is outside the number range!</translation>
    </message>
</context>
</TS>
